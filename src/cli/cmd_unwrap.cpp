// korva-cli unwrap FILE: the forced-line-break conversion on stdout.
#include <climits>

#include "cli/cli_context.h"
#include "cli/tool_input.h"
#include "intake/forced_breaks.h"
#include "text/codec.h"

namespace korva::cli {

namespace {

int TakeLimit(CommandArgs& args, const std::string& name, long long low, long long high,
              int fallback) {
  const auto value = args.TakeInteger(name);
  if (!value) return fallback;
  if (*value < low || *value > high) {
    throw UsageError{name + " must lie between " + std::to_string(low) + " and " +
                     std::to_string(high)};
  }
  return static_cast<int>(*value);
}

}  // namespace

int RunUnwrap(CliContext& ctx, CommandArgs args) {
  const bool backslash = args.TakeFlag("--backslash");
  const bool utf8 = args.TakeFlag("--utf8");
  Settings& settings = ctx.settings;
  settings.SpinEditLowerLimit = TakeLimit(args, "--lower", 0, 20, settings.SpinEditLowerLimit);
  settings.SpinEditLineLimit = TakeLimit(args, "--limit", 0, INT_MAX, settings.SpinEditLineLimit);
  if (args.TakeFlag("--remove-hsp")) settings.CheckBoxRemoveHSP = true;
  if (args.TakeFlag("--change-hsp")) settings.CheckBoxChageHSP = true;
  const std::vector<std::string> files = args.Positionals();
  if (files.size() != 1) throw UsageError{"unwrap needs exactly one text file"};

  const auto text = ReadToolInput(ctx, files.front());
  if (!text) return kExitInputProblem;
  Document doc;
  LoadForcedBreakText(doc, *text);
  if (doc.ForcedBreakTextList.empty()) {
    ctx.ui.Error("the file is empty: nothing to convert");
    return kExitInputProblem;
  }
  if (backslash) {
    tbDoAddBackSlashClick(settings, doc, ctx.ui);
  } else {
    tbDoWordWrapClick(settings, doc, ctx.ui);
  }
  const std::string& out = utf8 ? Cp932ToUtf8Lossy(doc.ConvertedText) : doc.ConvertedText;
  if (!WriteStdout(out)) {
    ctx.ui.Error("cannot write the result to standard output");
    return kExitInputProblem;
  }
  return kExitDone;
}

}  // namespace korva::cli

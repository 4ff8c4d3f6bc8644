// korva-cli unwrap FILE: the forced-line-break conversion on stdout.
#include "cli/cli_context.h"
#include "cli/tool_input.h"
#include "intake/forced_breaks.h"
#include "settings/settings_table.h"
#include "text/codec.h"

namespace korva::cli {

namespace {

// The tool's own option for a setting takes the setting's range.
int TakeLimit(CommandArgs& args, const std::string& option, std::string_view setting, int current) {
  const auto value = args.TakeInteger(option);
  if (!value) return current;
  const IntRange range = FindSettingByName(setting)->range;
  if (!range.Contains(*value)) throw UsageError{option + " must be " + RangeText(range)};
  return static_cast<int>(*value);
}

}  // namespace

int RunUnwrap(CliContext& ctx, CommandArgs args) {
  const bool backslash = args.TakeFlag("--backslash");
  const bool utf8 = args.TakeFlag("--utf8");
  Settings& settings = ctx.settings;
  settings.SpinEditLowerLimit =
      TakeLimit(args, "--lower", "SpinEditLowerLimit", settings.SpinEditLowerLimit);
  settings.SpinEditLineLimit =
      TakeLimit(args, "--limit", "SpinEditLineLimit", settings.SpinEditLineLimit);
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

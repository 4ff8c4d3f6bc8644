// korva-cli convert MINUTES... --out DIR [--utf8] [--trial] [--nav] [--prepare]:
// the single colour-coded document of each minutes file.
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "analysis/block_check.h"
#include "analysis/minutes_grid.h"
#include "cli/cli_context.h"
#include "cli/deferred_ui.h"
#include "cli/interrupt_cleanup.h"
#include "cli/minutes_input.h"
#include "html/document_html.h"
#include "html/tags.h"
#include "publishing/folder_checks.h"
#include "publishing/nav_file.h"
#include "publishing/sample_style_sheet.h"
#include "text/codec.h"
#include "text/path_text.h"
#include "text/sjis.h"

namespace korva::cli {

namespace {

struct ConvertOptions {
  std::optional<std::string> outDir;  // UTF-8, as given
  bool utf8 = false;
  bool trial = false;
  bool nav = false;
  bool prepare = false;
  std::vector<std::string> files;
};

ConvertOptions ParseConvertOptions(CommandArgs& args) {
  ConvertOptions options;
  options.outDir = args.TakeValue("--out");
  options.utf8 = args.TakeFlag("--utf8");
  options.trial = args.TakeFlag("--trial");
  options.nav = args.TakeFlag("--nav");
  options.prepare = args.TakeFlag("--prepare");
  options.files = args.Positionals();
  if (options.files.empty()) throw UsageError{"convert needs at least one minutes file"};
  return options;
}

// Points the empty output-folder settings at `dir` (created when missing).
// False, with a message, when the folder cannot be made.
bool UseOutputFolder(CliContext& ctx, const std::string& dirUtf8) {
  std::error_code ec;
  const std::filesystem::path dir = PathFromUtf8(dirUtf8);
  std::filesystem::create_directories(dir, ec);
  if (!std::filesystem::is_directory(dir)) {
    ctx.ui.Error("cannot create the output folder " + dirUtf8 +
                 (ec ? ": " + ec.message() : ": a file of that name is in the way"));
    return false;
  }
  const std::string folder = IncludeTrailingSeparator(FromFsPath(std::filesystem::absolute(dir)));
  for (std::string* setting : {&ctx.settings.BtnEditRootFolder, &ctx.settings.BtnEditHTMLSaveFolder,
                               &ctx.settings.BtnEdit3FileFolder}) {
    if (setting->empty()) *setting = folder;
  }
  return true;
}

// The generation needs the three folders; names the first one that is
// missing. Done, wrong usage (no folder given at all) or an input problem (a
// folder the settings name does not exist).
int CheckFolders(const CliContext& ctx) {
  const std::pair<const char*, const std::string*> folders[] = {
      {"BtnEditRootFolder", &ctx.settings.BtnEditRootFolder},
      {"BtnEditHTMLSaveFolder", &ctx.settings.BtnEditHTMLSaveFolder},
      {"BtnEdit3FileFolder", &ctx.settings.BtnEdit3FileFolder}};
  for (const auto& [name, value] : folders) {
    if (value->empty()) {
      ctx.ui.Error(std::string("no output folder: give --out DIR or set ") + name);
      return kExitUsage;
    }
    if (!FolderExists(*value)) {
      ctx.ui.Error(std::string("the folder of ") + name +
                   " does not exist: " + Cp932ToUtf8Lossy(*value));
      return kExitInputProblem;
    }
  }
  return kExitDone;
}

// The document links the style sheet the settings name, else
// ../css/minutes.css. When that one is not there either, the sample is put in
// css/minutes.css beside the documents (unless a sheet is there already) and
// linked instead, as publish does. False, with a message, when it cannot be.
bool ProvideStyleSheet(CliContext& ctx) {
  Settings& s = ctx.settings;
  if (!s.BtnEditLocalCSSFile.empty()) return true;
  const std::string folder = IncludeTrailingSeparator(s.BtnEditHTMLSaveFolder);
  std::error_code ec;
  if (std::filesystem::is_regular_file(ToFsPath(folder + std::string(tags::kDefaultCSSHref)), ec)) {
    return true;
  }
  const std::string relative = "css/minutes.css";
  const SampleCopyResult copy =
      ProvideSampleStyleSheet(ctx.programFolder, ToFsPath(folder + relative));
  if (copy.error) {
    ctx.ui.Error(*copy.error + "; the documents link no style sheet that exists");
    return false;
  }
  if (copy.copied) {
    ctx.ui.Note("copied the sample style sheet to " +
                Utf8FromPath(ToFsPath(folder + relative).make_preferred()));
  }
  s.BtnEditLocalCSSFile = relative;
  s.LabelLocalCSSbsoluteRelativePath = folder + relative;
  return true;
}

// Converts one file; the exit status it contributes.
int ConvertOne(CliContext& ctx, const ConvertOptions& options, const std::string& file,
               long long& colorCounter, std::set<std::string>& written) {
  Document doc;
  doc.DocumentColorCounter = colorCounter;
  Settings& s = ctx.settings;
  // Opening checks for the try-out style sheet, which only the trial document uses.
  const std::string htmlFolder = s.BtnEditHTMLSaveFolder;
  if (!options.trial) s.BtnEditHTMLSaveFolder.clear();
  // A plain save needs neither the table nor the body afterwards: the
  // document is made in one pass from the lines.
  const bool onePass = !options.trial && !options.nav;
  const auto input = LoadMinutesInput(ctx, doc, PathFromUtf8(file),
                                      onePass ? OpenKeeps::TextOnly : OpenKeeps::LinesAndAnalysis);
  s.BtnEditHTMLSaveFolder = htmlFolder;
  if (!input) return kExitInputProblem;
  if (input->lineCount == 0) {
    ctx.ui.Error("the file has no lines; nothing was generated");
    return kExitInputProblem;
  }
  const std::string baseName = ExtractBaseName(doc.MinutesFileName);
  if (sjis::Contains(baseName, "@")) {
    s.ComboBoxHTMLFile = doc.HTMLBaseName;
  } else if (s.ComboBoxHTMLFile.empty()) {
    // In a batch every file would be "dummy.html", each overwriting the last.
    s.ComboBoxHTMLFile = baseName;
  }
  s.RadioGroupSaveCharSet = options.utf8 ? 1 : s.RadioGroupSaveCharSet;
  s.CheckBoxSaveAtBuild = !options.trial;
  s.CheckBoxOpenIEatSaved = false;

  int status = input->HasNameProblem() ? kExitInputProblem : kExitDone;
  int result = 0;
  if (onePass) {
    // The block marks are known once the document is written; their report
    // still comes first.
    BlockMarkCheck marks;
    DeferredUi generation(ctx.ui);
    result = MakeAndSaveHTMLInOnePass(s, doc, generation, &marks);
    if (!marks.SawRows()) {
      StreamMinutesAnalysis(s, doc, doc.EditorMinutesText, marks, StreamLists::None);
    }
    if (ReportBlockMarks(ctx, marks.Problems())) status = kExitInputProblem;
    generation.Release();
  } else {
    if (ReportBlockMarks(ctx, FindBlockMarkProblems(doc.MinutesTextStringGrid))) {
      status = kExitInputProblem;
    }
    result = MenuTextMakeBodyOnlyClick(s, doc, ctx.ui);
    if (result == 0 && options.trial) result = MenuFileSaveOverwriteClick(s, doc, ctx.ui);
  }
  colorCounter = doc.DocumentColorCounter;
  if (result != 0) {
    ctx.ui.Error("the document was not saved");
    return kExitInputProblem;
  }
  if (!written.insert(doc.SavedDocumentPath).second) {
    ctx.ui.Error("this document replaced the one an earlier file of this run wrote: " +
                 Cp932ToUtf8Lossy(doc.SavedDocumentPath));
    status = kExitInputProblem;
  }
  std::string paths = Cp932ToUtf8Lossy(doc.SavedDocumentPath) + "\n";
  if (options.nav) {
    if (MenuTextMakeNAVOnePaneClick(s, doc, ctx.ui) != 0) {
      ctx.ui.Error(
          "the navigation file was not saved (the minutes list no agenda item or speaker)");
      status = kExitInputProblem;
    } else {
      paths += Cp932ToUtf8Lossy(doc.SavedHTMLPath) + "\n";
    }
  }
  std::fwrite(paths.data(), 1, paths.size(), stdout);
  return status;
}

}  // namespace

int RunConvert(CliContext& ctx, CommandArgs args) {
  const ConvertOptions options = ParseConvertOptions(args);
  ctx.prepare = options.prepare;
  if (options.outDir && !UseOutputFolder(ctx, *options.outDir)) return kExitInputProblem;
  if (const int status = CheckFolders(ctx); status != kExitDone) return status;
  const std::string folder = IncludeTrailingSeparator(ctx.settings.BtnEditHTMLSaveFolder);
  CleanStaleTemporariesIn(ctx.ui, {ToFsPath(folder), ToFsPath(folder + "css")});
  // The trial document links tryout.css instead.
  int status = options.trial || ProvideStyleSheet(ctx) ? kExitDone : kExitInputProblem;
  const Settings base = ctx.settings;
  long long colorCounter = 0;
  std::set<std::string> written;
  for (const std::string& file : options.files) {
    ctx.settings = base;  // each file starts from the same settings
    if (ConvertOne(ctx, options, file, colorCounter, written) != kExitDone)
      status = kExitInputProblem;
  }
  std::fflush(stdout);
  return status;
}

}  // namespace korva::cli

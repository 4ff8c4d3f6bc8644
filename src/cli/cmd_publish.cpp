// korva-cli publish MINUTES... --out DIR [--web DIR]: the local three-file set
// and, when asked, the web set, each checked for links that lead nowhere.
#include <cstdio>
#include <filesystem>
#include <set>
#include <system_error>

#include "cli/cli_context.h"
#include "cli/minutes_input.h"
#include "html/document_html.h"
#include "publishing/folder_checks.h"
#include "publishing/link_check.h"
#include "publishing/local_set.h"
#include "publishing/web_set.h"
#include "session/files.h"
#include "text/codec.h"
#include "text/path_text.h"
#include "text/sjis.h"

namespace korva::cli {

namespace {

namespace fs = std::filesystem;

std::string U8(const std::string& cp932) {
  return Cp932ToUtf8Lossy(cp932);
}

// The sample style sheet that ships with the program: beside the installed
// program, or in the source tree a build directory sits in.
std::optional<fs::path> FindSampleStyleSheet() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return std::nullopt;
  const fs::path dir = exe.parent_path();
  for (const fs::path& candidate :
       {dir / "../share/korva/css/minutes.css", dir / "../../examples/css/minutes.css",
        dir / "../examples/css/minutes.css"}) {
    if (fs::is_regular_file(candidate, ec)) return fs::weakly_canonical(candidate, ec);
  }
  return std::nullopt;
}

// Creates `dir` and gives back its folder text (CP932, ending with "/").
std::optional<std::string> MakeFolder(CliUi& ui, const std::string& dirUtf8) {
  std::error_code ec;
  fs::create_directories(dirUtf8, ec);
  if (ec || !fs::is_directory(dirUtf8)) {
    ui.Error("cannot create the folder " + dirUtf8 + ": " + ec.message());
    return std::nullopt;
  }
  return IncludeTrailingSeparator(FromFsPath(fs::absolute(dirUtf8)));
}

// Fills the folder settings the settings file left empty with DIR; then every
// folder must exist. False, with the setting named, when one does not.
bool PrepareFolders(CliUi& ui, Settings& s, const std::string& out) {
  for (std::string* folder :
       {&s.BtnEditRootFolder, &s.BtnEditHTMLSaveFolder, &s.BtnEdit3FileFolder}) {
    if (folder->empty()) *folder = out;
  }
  const std::pair<const char*, const std::string*> folders[] = {
      {"BtnEditRootFolder", &s.BtnEditRootFolder},
      {"BtnEditHTMLSaveFolder", &s.BtnEditHTMLSaveFolder},
      {"BtnEdit3FileFolder", &s.BtnEdit3FileFolder}};
  for (const auto& [name, folder] : folders) {
    if (!FolderExists(*folder)) {
      ui.Error(std::string("the folder of ") + name + " does not exist: " + U8(*folder));
      return false;
    }
  }
  return true;
}

// The local style sheet: the one the settings name (relative to the
// three-file folder), else the sample copied to css/minutes.css there.
bool PrepareStyleSheet(CliUi& ui, Settings& s) {
  if (!s.BtnEditLocalCSSFile.empty()) {
    const fs::path named = ToFsPath(s.BtnEditLocalCSSFile);
    s.LabelLocalCSSbsoluteRelativePath =
        named.is_absolute() ? s.BtnEditLocalCSSFile : s.BtnEdit3FileFolder + s.BtnEditLocalCSSFile;
    if (FolderExists(ExtractFilePath(s.LabelLocalCSSbsoluteRelativePath)) &&
        fs::is_regular_file(ToFsPath(s.LabelLocalCSSbsoluteRelativePath))) {
      return true;
    }
    ui.Error("the style sheet named by BtnEditLocalCSSFile does not exist: " +
             U8(s.LabelLocalCSSbsoluteRelativePath));
    return false;
  }
  const auto sample = FindSampleStyleSheet();
  if (!sample) {
    ui.Error(
        "the sample style sheet examples/css/minutes.css was not found beside the program;"
        " name one with --set BtnEditLocalCSSFile=...");
    return false;
  }
  const ReadResult css = ReadFileBytes(*sample);
  if (css.error) {
    ui.Error("cannot read the sample style sheet: " + css.error->Describe());
    return false;
  }
  const std::string relative = "css/minutes.css";
  const fs::path target = ToFsPath(s.BtnEdit3FileFolder + relative);
  std::error_code ec;
  fs::create_directories(target.parent_path(), ec);
  if (auto error = WriteFileAtomically(target, css.bytes)) {
    ui.Error("cannot write the style sheet: " + error->Describe());
    return false;
  }
  s.BtnEditLocalCSSFile = relative;
  s.LabelLocalCSSbsoluteRelativePath = s.BtnEdit3FileFolder + relative;
  return true;
}

// Reads back the three files of a set, one at a time, and names every link
// that leads nowhere.
void ReportBrokenLinks(CliUi& ui, const std::vector<std::string>& paths) {
  std::set<std::string> names;
  for (const std::string& path : paths) names.insert(ExtractFileName(path));
  for (const std::string& path : paths) {
    const ReadResult file = ReadFileBytes(ToFsPath(path));
    if (file.error) {
      ui.Error("cannot read back " + file.error->Describe());
      continue;
    }
    for (const LinkProblem& p : FindBrokenLinksInFile(ExtractFileName(path), file.bytes, names)) {
      ui.Error(U8(p.file) + ": the link \"" + U8(p.href) + "\" leads nowhere");
    }
  }
}

int PublishOne(CliContext& ctx, const Settings& base, const std::string& file,
               const std::string& out, const std::optional<std::string>& web,
               std::set<std::string>& published) {
  ctx.settings = base;
  Document doc;
  // Opening checks for the try-out style sheet, which no published file uses.
  ctx.settings.BtnEditHTMLSaveFolder.clear();
  const auto report = LoadMinutesInput(ctx, doc, file);
  ctx.settings.BtnEditHTMLSaveFolder = base.BtnEditHTMLSaveFolder;
  if (!report) return kExitInputProblem;
  if (report->lineCount == 0) {
    ctx.ui.Error("the file has no lines; nothing was published");
    return kExitInputProblem;
  }
  // Unbalanced block marks are reported, and the sets are still written.
  const bool unbalanced = ReportBlockMarks(ctx, doc);
  Settings& s = ctx.settings;
  const std::string baseName = ExtractBaseName(doc.MinutesFileName);
  if (sjis::Contains(baseName, "@")) {
    s.ComboBoxHTMLFile = doc.HTMLBaseName;
  } else if (s.ComboBoxHTMLFile.empty()) {
    // In a batch every set would be "dummy", each replacing the last.
    s.ComboBoxHTMLFile = baseName;
  }
  if (!PrepareFolders(ctx.ui, s, out) || !PrepareStyleSheet(ctx.ui, s)) return kExitInputProblem;
  // A set written earlier in this run is never replaced by a later file's.
  const std::string normal = MakeSetPaths(s.BtnEdit3FileFolder, s.ComboBoxHTMLFile).normalPath;
  if (!published.insert(normal).second) {
    ctx.ui.Error("an earlier file of this run already published " + U8(normal) +
                 "; this file was not published");
    return kExitInputProblem;
  }
  if (web) s.BtnEditWebHTMLFolder = *web;
  // Only the sets are asked for; nothing opens a browser.
  s.CheckBoxSaveAtBuild = false;
  s.CheckBoxOpenIEatSaved = false;

  if (MakeHTMLBody(s, doc, ctx.ui) != 0 || doc.BodyHTMLList.empty()) {
    ctx.ui.Error("no HTML body could be generated from the minutes");
    return kExitInputProblem;
  }
  if (tbBuildTwoPaneClick(s, doc, ctx.ui) != 0) {
    ctx.ui.Error("the local set was not written completely");
    return kExitInputProblem;
  }
  std::vector<std::string> written = {doc.ThreeFileNormalPath, doc.ThreeFileVerticalPath,
                                      doc.ThreeFileHorizontalPath};
  ReportBrokenLinks(ctx.ui, written);
  if (web) {
    if (tbMakeWebHTMLClick(s, doc, ctx.ui) != 0) {
      ctx.ui.Error("the web set was not written completely");
      return kExitInputProblem;
    }
    const std::vector<std::string> webPaths = {doc.WebNormalPath, doc.WebVerticalPath,
                                               doc.WebHorizontalPath};
    ReportBrokenLinks(ctx.ui, webPaths);
    written.insert(written.end(), webPaths.begin(), webPaths.end());
  }
  for (const std::string& path : written) std::printf("%s\n", U8(path).c_str());
  return unbalanced ? kExitInputProblem : kExitDone;
}

}  // namespace

int RunPublish(CliContext& ctx, CommandArgs args) {
  const auto outDir = args.TakeValue("--out");
  const auto webDir = args.TakeValue("--web");
  const std::vector<std::string> files = args.Positionals();
  if (files.empty()) throw UsageError{"publish needs at least one minutes file"};
  if (!outDir) throw UsageError{"publish needs --out DIR"};

  const auto out = MakeFolder(ctx.ui, *outDir);
  if (!out) return kExitInputProblem;
  std::optional<std::string> web;
  if (webDir) {
    web = MakeFolder(ctx.ui, *webDir);
    if (!web) return kExitInputProblem;
  }
  const Settings base = ctx.settings;
  int status = kExitDone;
  std::set<std::string> published;
  for (const std::string& file : files) {
    if (PublishOne(ctx, base, file, *out, web, published) != kExitDone) status = kExitInputProblem;
  }
  std::fflush(stdout);
  return status;
}

}  // namespace korva::cli

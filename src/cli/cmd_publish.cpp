// korva-cli publish MINUTES... --out DIR [--web DIR] [--prepare]: the local three-file set
// and, when asked, the web set, each checked for links that lead nowhere.
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <system_error>
#include <utility>
#include <vector>

#include "analysis/block_check.h"
#include "cli/cli_context.h"
#include "cli/interrupt_cleanup.h"
#include "cli/minutes_input.h"
#include "html/document_html.h"
#include "publishing/folder_checks.h"
#include "publishing/line_substitution.h"
#include "publishing/link_check.h"
#include "publishing/local_set.h"
#include "publishing/sample_style_sheet.h"
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

// Creates `dir` and gives back its folder text (CP932, ending with "/").
std::optional<std::string> MakeFolder(CliUi& ui, const std::string& dirUtf8) {
  std::error_code ec;
  const fs::path dir = PathFromUtf8(dirUtf8);
  fs::create_directories(dir, ec);
  if (ec || !fs::is_directory(dir)) {
    ui.Error("cannot create the folder " + dirUtf8 + ": " + ec.message());
    return std::nullopt;
  }
  return IncludeTrailingSeparator(FromFsPath(fs::absolute(dir)));
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
// three-file folder), else css/minutes.css there, where the sample is copied
// when there is none yet: a sheet the clerk has edited stays as it is.
bool PrepareStyleSheet(CliContext& ctx, Settings& s) {
  CliUi& ui = ctx.ui;
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
  const std::string relative = "css/minutes.css";
  const std::string target = s.BtnEdit3FileFolder + relative;
  const SampleCopyResult copy = ProvideSampleStyleSheet(ctx.programFolder, ToFsPath(target));
  if (copy.error) {
    ui.Error(*copy.error + "; name a style sheet with --set BtnEditLocalCSSFile=...");
    return false;
  }
  if (copy.copied) {
    ui.Note("copied the sample style sheet to " + Utf8FromPath(ToFsPath(target).make_preferred()));
  }
  s.BtnEditLocalCSSFile = relative;
  s.LabelLocalCSSbsoluteRelativePath = target;
  return true;
}

// Checks the links of the files of one set on their bytes as they are
// written, one file at a time, and then names every link that leads nowhere.
class SetLinkCheck final : public SavedBytesWatcher {
 public:
  // `paths`: where the set's files go, known once the set has begun.
  explicit SetLinkCheck(std::vector<const std::string*> paths) : paths_(std::move(paths)) {}

  void Start(const std::string& path) override {
    FinishFile();
    checking_.emplace(path, LinkChecker(ExtractFileName(path)));
  }
  void Take(std::string_view bytes) override { checking_->second.Feed(bytes); }

  void Report(CliUi& ui) {
    FinishFile();
    for (const std::string* path : paths_) {
      for (const LinkProblem& p : problems_[*path]) {
        ui.Error(U8(p.file) + ": the link \"" + U8(p.href) + "\" leads nowhere");
      }
    }
  }

 private:
  // The ids of a file are let go as soon as it is complete.
  void FinishFile() {
    if (!checking_) return;
    std::set<std::string> names;
    for (const std::string* path : paths_) names.insert(ExtractFileName(*path));
    problems_[checking_->first] = checking_->second.Finish(names);
    checking_.reset();
  }

  std::vector<const std::string*> paths_;
  std::optional<std::pair<std::string, LinkChecker>> checking_;
  std::map<std::string, std::vector<LinkProblem>> problems_;
};

int PublishOne(CliContext& ctx, const Settings& base, const std::string& file,
               const std::string& out, const std::optional<std::string>& web,
               std::set<std::string>& published) {
  ctx.settings = base;
  Document doc;
  // Opening checks for the try-out style sheet, which no published file uses.
  ctx.settings.BtnEditHTMLSaveFolder.clear();
  // The sets need the body and the lists of the analysis, never its table
  // nor a list of the lines: the analysis of the text goes row by row into
  // the body conversion.
  const auto report = LoadMinutesInput(ctx, doc, PathFromUtf8(file), OpenKeeps::TextOnly);
  ctx.settings.BtnEditHTMLSaveFolder = base.BtnEditHTMLSaveFolder;
  if (!report) return kExitInputProblem;
  if (report->lineCount == 0) {
    ctx.ui.Error("the file has no lines; nothing was published");
    return kExitInputProblem;
  }
  BlockMarkCheck marks;
  ConvertBodyInOnePass(ctx.settings, doc, &marks);
  // The sets are made from the body and the lists alone; the agenda list box
  // is the window's.
  doc.ReleaseMinutes();
  StringList().swap(doc.ListBoxGidaiHatsugen);
  // Unbalanced block marks are reported, and the sets are still written.
  const bool unbalanced = ReportBlockMarks(ctx, marks.Problems());
  Settings& s = ctx.settings;
  const std::string baseName = ExtractBaseName(doc.MinutesFileName);
  if (sjis::Contains(baseName, "@")) {
    s.ComboBoxHTMLFile = doc.HTMLBaseName;
  } else {
    // In a batch every set would be "dummy", each replacing the last: both
    // sets take the file's own name, unless the settings keep a name.
    if (s.ComboBoxHTMLFile.empty()) s.ComboBoxHTMLFile = baseName;
    if (!s.CheckBoxWebSaveThisname || base.ComboBoxWebHTMLFile.empty()) {
      s.ComboBoxWebHTMLFile = s.ComboBoxHTMLFile;
    }
  }
  if (!PrepareFolders(ctx.ui, s, out) || !PrepareStyleSheet(ctx, s)) return kExitInputProblem;
  // A set written earlier in this run is never replaced by a later one.
  const auto claim = [&](const std::string& folder, const std::string& name) {
    const std::string normal = MakeSetPaths(folder, name).normalPath;
    if (published.insert(normal).second) return true;
    ctx.ui.Error("an earlier set of this run already wrote " + U8(normal) +
                 "; this set was not written");
    return false;
  };
  if (!claim(s.BtnEdit3FileFolder, s.ComboBoxHTMLFile)) return kExitInputProblem;
  if (web) s.BtnEditWebHTMLFolder = *web;
  // Only the sets are asked for; nothing opens a browser.
  s.CheckBoxSaveAtBuild = false;
  s.CheckBoxOpenIEatSaved = false;

  if (AcceptConvertedBody(s, doc, ctx.ui) != 0 || doc.BodyHTMLList.empty()) {
    ctx.ui.Error("no HTML body could be generated from the minutes");
    return kExitInputProblem;
  }
  // Both sets write the same body.
  const PlainBodyLines plain(doc);
  const auto finish = [&](SetLinkCheck& links, const std::vector<const std::string*>& paths) {
    links.Report(ctx.ui);
    for (const std::string* path : paths) std::printf("%s\n", U8(*path).c_str());
  };
  {
    const std::vector<const std::string*> paths = {
        &doc.ThreeFileNormalPath, &doc.ThreeFileVerticalPath, &doc.ThreeFileHorizontalPath};
    SetLinkCheck links(paths);
    if (tbBuildTwoPaneClick(s, doc, ctx.ui) != 0) {
      ctx.ui.Error("the local set was not written");
      return kExitInputProblem;
    }
    finish(links, paths);
  }
  if (web) {
    if (!claim(*web, s.ComboBoxWebHTMLFile)) return kExitInputProblem;
    const std::vector<const std::string*> paths = {&doc.WebNormalPath, &doc.WebVerticalPath,
                                                   &doc.WebHorizontalPath};
    SetLinkCheck links(paths);
    if (tbMakeWebHTMLClick(s, doc, ctx.ui) != 0) {
      ctx.ui.Error("the web set was not written");
      return kExitInputProblem;
    }
    finish(links, paths);
  }
  return unbalanced || report->HasNameProblem() ? kExitInputProblem : kExitDone;
}

}  // namespace

int RunPublish(CliContext& ctx, CommandArgs args) {
  const auto outDir = args.TakeValue("--out");
  const auto webDir = args.TakeValue("--web");
  ctx.prepare = args.TakeFlag("--prepare");
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
  const std::string three =
      IncludeTrailingSeparator(base.BtnEdit3FileFolder.empty() ? *out : base.BtnEdit3FileFolder);
  std::vector<fs::path> folders = {ToFsPath(three), ToFsPath(three + "css")};
  if (web) folders.push_back(ToFsPath(*web));
  CleanStaleTemporariesIn(ctx.ui, folders);
  int status = kExitDone;
  std::set<std::string> published;
  for (const std::string& file : files) {
    if (PublishOne(ctx, base, file, *out, web, published) != kExitDone) status = kExitInputProblem;
  }
  std::fflush(stdout);
  return status;
}

}  // namespace korva::cli

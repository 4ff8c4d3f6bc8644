// Minutes bytes through everything a clerk does with them: opened from
// Shift_JIS or UTF-8, analysed, converted as the desktop does (the whole
// line table) and as publish does (one pass), the single document saved, and
// the local and web sets written. Every write goes to memory.
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "fuzz_entries.h"
#include "html/document_html.h"
#include "intake/open_minutes.h"
#include "platform/processes.h"
#include "publishing/local_set.h"
#include "publishing/web_set.h"
#include "session/files.h"
#include "support/recording_ui.h"
#include "text/codec.h"
#include "text/path_text.h"

namespace korva::fuzz {
namespace {

// The folders the commands check for, with the style sheets they look for;
// made once and removed when the process ends. Nothing is written there.
class ScratchFolder {
 public:
  ScratchFolder() {
    // One folder per process: fuzzing jobs run side by side.
    path_ = std::filesystem::temp_directory_path() /
            ("korva-fuzz-" + std::to_string(platform::CurrentProcessId()));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_ / "css");
    std::ofstream(path_ / "css" / "minutes.css") << "p { color: black; }\n";
    std::ofstream(path_ / "tryout.css") << "p { color: blue; }\n";
    text_ = Utf8FromPath(path_) + "/";
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::string& Text() const { return text_; }  // ASCII, so CP932 as well

 private:
  std::filesystem::path path_;
  std::string text_;
};

Settings FolderSettings(unsigned char options) {
  static const ScratchFolder scratch;
  const std::string& folder = scratch.Text();
  Settings s;
  s.BtnEditRootFolder = s.BtnEditHTMLSaveFolder = s.BtnEdit3FileFolder = s.BtnEditWebHTMLFolder =
      folder;
  s.BtnEditLocalCSSFile = "css/minutes.css";
  s.LabelLocalCSSbsoluteRelativePath = folder + "css/minutes.css";
  s.CheckBoxOpenIEatSaved = false;
  s.CheckBoxImmediateGo = false;
  s.RadioGroupCategory = (options >> 1) % 8;
  s.RadioGroupSaveCharSet = (options >> 4) & 1;
  s.CheckBoxAlternateBGColor = options & 0x20;
  s.CheckBoxCRLF2Br = options & 0x40;
  s.CheckBoxBindCSS = options & 0x80;
  return s;
}

}  // namespace

// Input: options (bit 0: UTF-8; bits 1-3: meeting category; bit 4: save as
// UTF-8; bits 5-7: alternate colours, line breaks as <br>, bound style
// sheet), then the minutes file's bytes.
std::string MinutesToSets(std::string_view input) {
  const unsigned char options = TakeOptions(input);
  const std::string text = options & 1 ? Utf8ToCp932(input) : std::string(input);
  const std::string name = "minutes@fuzz.txt";
  std::map<std::string, std::size_t> written;
  const WriteInterception toMemory(
      [&written](const std::string& path, std::string&& bytes) { written[path] = bytes.size(); });
  testing::RecordingUi ui;

  // The desktop: the line table, then the single document, saved.
  Settings desktop = FolderSettings(options);
  desktop.CheckBoxSaveAtBuild = true;
  Document tabled;
  if (OpenMinutesText(desktop, tabled, ui, name, text) != 0) return "opening failed";
  if (MakeHTMLBody(desktop, tabled, ui) == 0 && written.empty()) {
    return "the single document was reported saved, and nothing was written";
  }
  const bool bodyMade = !tabled.BodyHTMLList.empty();

  // Publish: the lines straight into the body, then both sets.
  Settings publish = FolderSettings(options);
  publish.CheckBoxSaveAtBuild = false;
  Document streamed;
  if (OpenMinutesText(publish, streamed, ui, name, std::string(text), OpenKeeps::Lines) != 0) {
    return "opening for publishing failed";
  }
  ConvertBodyInOnePass(publish, streamed);
  if (bodyMade && streamed.BodyHTMLList != tabled.BodyHTMLList) {
    return "the one-pass body differs from the line table's";
  }
  if (AcceptConvertedBody(publish, streamed, ui) != 0) return {};
  written.clear();
  const auto wrote = [&written](std::initializer_list<const std::string*> paths) {
    for (const std::string* path : paths) {
      if (!written.count(ToFsPath(*path).string())) return false;
    }
    return true;
  };
  if (tbBuildTwoPaneClick(publish, streamed, ui) == 0 &&
      !wrote({&streamed.ThreeFileNormalPath, &streamed.ThreeFileVerticalPath,
              &streamed.ThreeFileHorizontalPath})) {
    return "the local set was reported written, and a file of it was not";
  }
  if (tbMakeWebHTMLClick(publish, streamed, ui) == 0 &&
      !wrote({&streamed.WebNormalPath, &streamed.WebVerticalPath, &streamed.WebHorizontalPath})) {
    return "the web set was reported written, and a file of it was not";
  }
  return {};
}

}  // namespace korva::fuzz

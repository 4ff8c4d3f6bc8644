#include "settings/dialogs.h"

#include <array>

#include "text/literal.h"

namespace korva {
using namespace literals;

namespace {

FileDialog Open(const std::string& filter, const char* ext) {
  return {"開く"_sj, filter, ext};
}
FileDialog Save(const std::string& filter, const char* ext) {
  return {"名前を付けて保存"_sj, filter, ext};
}

}  // namespace

const FileDialog& StandardDialog(DialogKind kind) {
  static const std::array<FileDialog, 12> dialogs = [] {
    const std::string& all = "|すべてのファイル（*.*）|*.*"_sj;
    const std::string project = "プロジェクト・ファイル（ *.mpr ）|*.mpr"_sj + all;
    const std::string css = "CSSファイル（ *.css ）|*.css"_sj + all;
    const std::string html = "ＨＴＭＬファイル（ *.html/htm ）|*.html;*.htm"_sj + all;
    return std::array<FileDialog, 12>{
        Open(project, ".mpr"),
        Save(project, ".mpr"),
        Open("TopIncludeファイル（ *.tin ）|*.tin"_sj + all, ".tin"),
        Open("SideIncludeファイル（ *.sin ）|*.sin"_sj + all, ".sin"),
        Open("HeadIncludeファイル（ *.hin ）|*.hin"_sj + all, ".hin"),
        Open(css, ".css"),
        Open(html, ".html"),
        Save(html, ".html"),
        Open("会議録テキスト・ファイル（ *.txt ）|*.txt"_sj + all, ".txt"),
        Save("一般ファイル（ *.* ）|*.*"_sj + all, ""),
        Save("テキスト・ファイル（ *.txt ）|*.txt"_sj + all, ".txt"),
        Save(css, ".css"),
    };
  }();
  return dialogs[static_cast<std::size_t>(kind)];
}

const std::string& FolderDialogTitle() {
  return "フォルダの指定"_sj;
}

}  // namespace korva

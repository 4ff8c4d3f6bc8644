#include "session/captions.h"

#include "text/literal.h"
#include "text/path_text.h"
#include "text/sjis.h"

namespace korva {
using namespace literals;

std::string AppTitleCaptionText(const Document& doc, const std::string& name, int mode) {
  const std::string version = std::string(" - [ ") + kVersionDate + " ]";
  switch (mode) {
    case -1:
      return doc.LongTitle + version;
    case 0:
      return doc.LongTitle + "[ " + name + " ]" + version;
    case 1:
      return "Velkorin( KORVA )";
    default:
      return doc.LongTitle + "[ " + name + " ]";
  }
}

void AppTitleCaption(Document& doc, Ui& ui, const std::string& name, int mode) {
  ui.SetCaption(AppTitleCaptionText(doc, name, mode));
}

std::string FormCaptionText(const Document& doc, const std::string& name, int mode) {
  const std::string head = doc.ShortTitle + " （ "_sj + "Ver." + kVersionDate + " ） "_sj;
  const std::string tail = std::string(" - [ ") + kVersionDate + " ]";
  switch (mode) {
    case 0:
      return head + " 【 "_sj + name + " 】- [ "_sj + kVersionDate + " ]";
    case 1:
      return head + " " + tail;
    default:
      return head + " 【 "_sj + name + " 】"_sj + " 〔 "_sj + "変更されました"_sj + " 〕"_sj + tail;
  }
}

std::string DeriveDocumentTitle(const std::string& fileName) {
  std::string title = ExtractBaseName(fileName);
  std::size_t at = sjis::Find(title, "@");
  if (at != sjis::npos) title.resize(at);
  std::size_t open = sjis::Find(title, "「"_sj);
  if (open != sjis::npos) {
    std::size_t inner = open + "「"_sj.size();
    std::size_t close = sjis::Find(title, "」"_sj, inner);
    if (close != sjis::npos) title = title.substr(inner, close - inner);
  }
  return title;
}

std::string MakeTitleElement(const std::string& documentTitle) {
  return "<title>【 "_sj + documentTitle + " 】"_sj + "</title>";
}

void SetFormCaption(Document& doc, Ui& ui, const std::string& name, int mode) {
  ui.SetCaption(FormCaptionText(doc, name, mode));
  doc.DocumentTitle = DeriveDocumentTitle(name);
  doc.TitleElement = MakeTitleElement(doc.DocumentTitle);
}

void StatusbarSaveHTML(Ui& ui, const std::string& name) {
  ui.SetStatusPanel(1, " 保存HTMLﾌｧｲﾙ【 "_sj + name + " 】"_sj);
}

void StatusbarDefFolder(Ui& ui, const std::string& folder) {
  ui.SetStatusPanel(2, " 規定ﾌｫﾙﾀﾞｰ【 "_sj + folder + " 】"_sj);
}

void MessageFileSaved(const Document& doc, Ui& ui, const std::string& path) {
  ui.SetStatusPanel(1, "  【  "_sj + path + "  】として保存されました"_sj);
  ui.SetCaption("KORVA[ " + doc.MinutesFileName + " ]" + " - [ " + ExtractFileName(path) + " ]");
}

void MessageProjectSaved(Ui& ui, const std::string& name, int mode) {
  const std::string file = ExtractFileName(name);
  if (mode == 0) {
    ui.SetStatusPanel(2, "  プロジェクト【  "_sj + file + "  】として保存されました"_sj);
  } else if (mode == 1) {
    ui.SetStatusPanel(2, "  プロジェクト【  "_sj + file + "  】"_sj);
  }
}

void MessageProjectLoaded(const Document& doc, Ui& ui, const std::string& name, int mode) {
  const std::string opening =
      "  プロジェクト【 "_sj + doc.ProjectFileName + "  】を開いています"_sj;
  switch (mode) {
    case 0:
      ui.SetStatusPanel(2, "  プロジェクト【 "_sj + ExtractFileName(name) + "  】を開きました"_sj);
      break;
    case 1:
      ui.SetStatusPanel(2, opening);
      break;
    case 2:
      ui.SetStatusPanel(2, doc.ProjectFileName.empty()
                               ? "  プロジェクト・ファイルは、【 まだ開いていません 】"_sj
                               : opening);
      break;
    case 3:
      ui.SetStatusPanel(2, "  プロジェクトは【 "_sj + doc.ProjectFileName + "  】です"_sj);
      break;
    default:
      break;
  }
}

void StatusbarClearSaveMessage(const Document& doc, Ui& ui) {
  ui.SetLabelVisible("LabelWarningSettingFolder", false);
  ui.SetLabelVisible("LabelWarningSettingWebFolder", false);
  ui.SetStatusPanel(1, "");
  MessageProjectSaved(ui, doc.ProjectFileName, 1);
  ui.SetWaitCursor(false);
}

}  // namespace korva

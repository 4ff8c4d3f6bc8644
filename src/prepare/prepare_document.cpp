#include "prepare/prepare_document.h"

#include <algorithm>

#include "analysis/speaker_lists.h"
#include "session/captions.h"
#include "text/literal.h"
#include "text/sjis.h"

namespace korva {
using namespace literals;

const std::string& PreparationSourceText(const Document& doc) {
  return doc.EditorMinutesText.empty() ? doc.EditorMainText : doc.EditorMinutesText;
}

std::optional<MinutesPreparation> ProposeMinutesPreparation(const Settings& settings,
                                                            const Document& doc, Ui& ui) {
  const std::string& text = PreparationSourceText(doc);
  const std::vector<std::string> lines = sjis::SplitLines(text);
  if (lines.empty()) {
    ui.Beep();
    return std::nullopt;
  }
  MinutesPreparation preparation{text, PrepareMinutes(lines, settings)};
  if (preparation.result.changes.empty()) {
    ui.Information("この会議録には、下準備で変える所はありません。"_sj);
    return std::nullopt;
  }
  return preparation;
}

bool ApplyMinutesPreparation(Settings& settings, Document& doc, Ui& ui,
                             const MinutesPreparation& preparation, const std::vector<bool>& chosen,
                             const FollowUpCommand& makeHTMLGo) {
  if (std::find(chosen.begin(), chosen.end(), true) == chosen.end()) return false;
  if (PreparationSourceText(doc) != preparation.text) {
    ui.Warning("会議録のテキストが変わったので、下準備の変更は当てはめませんでした。"_sj);
    return false;
  }
  std::string prepared =
      ApplyPrepareChangesToText(preparation.text, preparation.result.changes, chosen);
  const bool hadHTML = !doc.GeneratedHTMLText.empty();
  const std::string name = doc.MinutesFileName;
  if (!doc.EditorMinutesText.empty()) {
    // Opening clears the main pane; what the clerk has in it stays.
    std::string mainText = std::move(doc.EditorMainText);
    OpenMinutesText(settings, doc, ui, name, std::move(prepared));
    doc.EditorMainText = std::move(mainText);
  } else {
    // Pasting names the HTML file after the text; the clerk's name stays.
    const std::string htmlFile = settings.ComboBoxHTMLFile;
    PasteTextFromWebpage(settings, doc, ui, name, prepared);
    settings.ComboBoxHTMLFile = htmlFile;
  }
  // Later edits are measured against the prepared text.
  doc.LoadedLineCount = doc.CurrentLineCount = PaneLineCount(doc.EditorMainText);
  doc.TextModified = true;
  SetFormCaption(doc, ui, name, 2);
  ui.SetWaitCursor(false);
  if (!CheckProcessMarkCount(doc).balanced) {
    ui.ShowPage("PGLeftTab11MWarningAndError");
    ui.SetLabelVisible("LabelMarkNotMatch", true);
  } else if ((hadHTML || settings.CheckBoxImmediateGo) && makeHTMLGo) {
    makeHTMLGo(settings, doc, ui);
  }
  return true;
}

std::vector<std::string> PrepareReportLines(const PrepareReport& report) {
  std::vector<std::string> out;
  auto at = [](std::size_t line) {
    return line ? std::to_string(line) + " 行目："_sj : std::string();
  };
  if (!report.speakerMarks.empty()) {
    std::string marks = "発言者の印："_sj;
    for (const auto& [mark, count] : report.speakerMarks) {
      marks += "　"_sj + mark + " " + std::to_string(count) + " 行"_sj;
    }
    out.push_back(std::move(marks));
  }
  for (const PrepareNote& note : report.pageMarkers) {
    out.push_back(at(note.line) + "ページ区切りの印を取り除きます　"_sj + note.text);
  }
  for (const PrepareNote& note : report.unknownTitles) {
    out.push_back(at(note.line) + "役職名の表にない発言者です　"_sj + note.text);
  }
  for (const PrepareNote& note : report.leftAsItWas) out.push_back(at(note.line) + note.text);
  return out;
}

}  // namespace korva

#include "intake/forced_breaks.h"

#include "intake/file_reset.h"
#include "session/captions.h"
#include "text/literal.h"
#include "text/sjis.h"

namespace korva {

using namespace korva::literals;

namespace {

bool EndsSentence(const std::string& line) {
  return sjis::LastChar(line) == "。"_sj;
}

// Removes a single leading half-width space; two or more are an indent and stay.
std::string DropSingleLeadingSpace(const std::string& line) {
  if (line.size() >= 2 && line[0] == ' ' && line[1] == ' ') return line;
  if (!line.empty() && line[0] == ' ') return line.substr(1);
  return line;
}

std::string ApplySpaceOptions(std::string text, const ForcedBreakOptions& options) {
  if (options.removeHalfSpaces) text = sjis::ReplaceAll(text, " ", "");
  if (options.changeHalfSpaces) {
    text = sjis::ReplaceAll(text, "  ", "　"_sj);
    text = sjis::ReplaceAll(text, " ", "　"_sj);
  }
  return text;
}

long long ByteLength(const std::string& line) {
  return static_cast<long long>(line.size());
}

}  // namespace

ForcedBreakOptions ForcedBreakOptionsFrom(const Settings& settings) {
  return {settings.SpinEditLowerLimit, settings.SpinEditLineLimit, settings.CheckBoxRemoveHSP,
          settings.CheckBoxChageHSP};
}

std::string ConvertForcedBreaks(const std::vector<std::string>& lines,
                                const ForcedBreakOptions& options) {
  std::string result;
  for (const auto& original : lines) {
    const std::string line = DropSingleLeadingSpace(original);
    if (line.empty()) {
      result += "\r\n";
    } else if (EndsSentence(line)) {
      result += line + "\r\n";
    } else if (options.lowerLimit > 0 && ByteLength(line) < options.lowerLimit) {
      continue;
    } else if (ByteLength(line) < options.lineLimit) {
      result += line + "\r\n";
    } else {
      result += line;
    }
  }
  return ApplySpaceOptions(std::move(result), options);
}

std::string MarkForcedBreaks(const std::vector<std::string>& lines,
                             const ForcedBreakOptions& options, std::vector<std::string>& marked) {
  marked.clear();
  for (const auto& line : lines) {
    if (line.empty() || EndsSentence(line)) {
      marked.push_back(line);
    } else if (ByteLength(line) < options.lowerLimit) {
      continue;
    } else if (ByteLength(line) < options.lineLimit) {
      marked.push_back(line);
    } else {
      marked.push_back(line + "＼"_sj);
    }
  }
  return ApplySpaceOptions(sjis::JoinLines(marked, true), options);
}

void LoadForcedBreakText(Document& doc, const std::string& text) {
  doc.ForcedBreakTextList = sjis::SplitLines(text);
}

void MenuTextPaste2TextPaneClick(Document& doc, Ui& ui) {
  Filenew(doc, ui);
  ui.ShowPage("PGLeftTab08HTMLBody");
  ui.ShowPage("PGRightTab06MinutesText");
  ui.SetWaitCursor(true);
  LoadForcedBreakText(doc, ui.ClipboardText());
  doc.EditorMinutesText = sjis::JoinLines(doc.ForcedBreakTextList, true);
  doc.CRLFPanelMode = 1;
  ui.SetWaitCursor(false);
}

void DoProcessing(const Settings& settings, Document& doc) {
  doc.ConvertedTextList.clear();
  doc.ConvertedText =
      ConvertForcedBreaks(doc.ForcedBreakTextList, ForcedBreakOptionsFrom(settings));
  doc.ConvertedPaneText = doc.ConvertedText;
}

void DoAddBackSlash(const Settings& settings, Document& doc, Ui& ui) {
  StatusbarClearSaveMessage(doc, ui);
  doc.ConvertedText = MarkForcedBreaks(doc.ForcedBreakTextList, ForcedBreakOptionsFrom(settings),
                                       doc.ConvertedTextList);
  doc.ConvertedPaneText = doc.ConvertedText;
}

void tbDoWordWrapClick(const Settings& settings, Document& doc, Ui& ui) {
  StatusbarClearSaveMessage(doc, ui);
  if (doc.ForcedBreakTextList.empty()) {
    doc.ConvertedText.clear();
    ui.Beep();
    return;
  }
  DoProcessing(settings, doc);
  ui.SetWaitCursor(false);
}

void tbDoAddBackSlashClick(const Settings& settings, Document& doc, Ui& ui) {
  StatusbarClearSaveMessage(doc, ui);
  if (doc.ForcedBreakTextList.empty()) {
    doc.ConvertedText.clear();
    ui.Beep();
    return;
  }
  DoAddBackSlash(settings, doc, ui);
  ui.SetWaitCursor(false);
}

void tbDoWordWrapCOPYClick(Document& doc, Ui& ui) {
  StatusbarClearSaveMessage(doc, ui);
  doc.CRLFPanelMode = 0;
  if (doc.ConvertedText.empty()) {
    ui.Beep();
    return;
  }
  ui.SetClipboardText(doc.ConvertedText);
  doc.ConvertedText.clear();
}

}  // namespace korva

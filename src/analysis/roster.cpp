#include "analysis/roster.h"

#include <array>

#include "text/literal.h"
#include "text/sjis.h"
#include "text/string_helpers.h"

namespace korva {
using namespace literals;

namespace {

const std::array<std::string, 22>& TitleChars() {
  static const std::array<std::string, 22> chars = {
      "※"_sj,  "番"_sj, "官"_sj, "長"_sj, "臣"_sj, "任"_sj, "補"_sj, "者"_sj,
      "記"_sj, "会"_sj, "員"_sj, "査"_sj, "与"_sj, "役"_sj, "監"_sj, "幹"_sj,
      "人"_sj, "事"_sj, "士"_sj, "〃"_sj, "／"_sj, "・"_sj};
  return chars;
}

const std::array<std::string, 17>& UnitChars() {
  static const std::array<std::string, 17> chars = {
      "※"_sj,  "兼"_sj, "番"_sj, "課"_sj, "部"_sj, "室"_sj, "係"_sj, "ー"_sj, "会"_sj,
      "校"_sj, "兼"_sj, "育"_sj, "局"_sj, "所"_sj, "役"_sj, "〃"_sj, "・"_sj};
  return chars;
}

bool HasHeadingWord(std::string_view line) {
  static const std::array<std::string, 13> words = {
      "説明"_sj, "職員"_sj, "職責"_sj, "者の"_sj, "職氏名"_sj, "条の"_sj, "規定に"_sj,
      "会議"_sj, "欠員"_sj, "出席"_sj, "欠席"_sj, "●"_sj,      "＼"_sj};
  const std::string compact = DeleteAllSpaces(line);
  for (const auto& word : words) {
    if (sjis::Contains(compact, word)) return true;
  }
  return false;
}

}  // namespace

bool IsRosterEntryLine(std::string_view line) {
  if (line.empty()) return true;
  return !HasHeadingWord(line);
}

std::string ConvertRosterName(std::string_view text) {
  if (text.empty()) return {};
  const std::string compact = DeleteAllSpaces(text);
  const std::string_view last = sjis::LastChar(compact);
  for (const auto& unit : UnitChars()) {
    if (last == unit) return "■"_sj + compact;
  }
  for (const auto& title : TitleChars()) {
    const std::size_t at = sjis::Find(text, title);
    if (at == sjis::npos) continue;
    const std::size_t end = at + title.size();
    const std::string head = DeleteAllSpaces(text.substr(0, end));
    const std::string name = ZenkakuTrim(text.substr(end));
    return name.empty() ? head + "●"_sj : head + "｝"_sj + name;
  }
  return std::string(text);
}

std::string ConvertRosterLine(std::string_view line) {
  if (line.empty()) return {};
  if (Pos("￥"_sj, line) > 1) return sjis::ReplaceFirst(line, "￥"_sj, "");
  if (sjis::StartsWith(line, "＼"_sj) || sjis::StartsWith(line, "￥"_sj) ||
      sjis::StartsWith(line, "／"_sj)) {
    return std::string(line);
  }
  if (HasHeadingWord(line)) return std::string(line);
  const std::string trimmed = ZenkakuTrimRight(line);
  if (!sjis::Contains(trimmed, "／"_sj) && !sjis::Contains(trimmed, "/")) {
    return ConvertRosterName(trimmed);
  }
  const std::string unified = sjis::ReplaceFirst(line, "/", "／"_sj);
  const std::size_t split = sjis::Find(unified, "／"_sj);
  if (split == sjis::npos) return ConvertRosterName(trimmed);
  const std::string left = TrimAllSpaces(std::string_view(unified).substr(0, split));
  const std::string right = TrimAllSpaces(std::string_view(unified).substr(split + 2));
  std::string out = left.empty() ? std::string() : ConvertRosterName(left);
  out += "／"_sj;
  if (!right.empty()) out += sjis::ReplaceFirst(ConvertRosterName(right), "｝"_sj, "￥"_sj);
  return out;
}

}  // namespace korva

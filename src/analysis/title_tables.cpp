#include "analysis/title_tables.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

#include "analysis/text_search.h"
#include "text/literal.h"
#include "text/sjis.h"

namespace korva {
using namespace literals;

namespace {

// Tables are written as "key code, key code, ..." in UTF-8 and converted to
// CP932 records once; the order of the records is significant.
std::vector<YakushokuTable> ParseTable(std::string_view utf8) {
  std::vector<YakushokuTable> table;
  while (!utf8.empty()) {
    const std::size_t comma = utf8.find(", ");
    const std::string_view item = utf8.substr(0, comma);
    const std::size_t space = item.rfind(' ');
    table.push_back({Sj(item.substr(0, space)), std::string(item.substr(space + 1))});
    utf8 = comma == std::string_view::npos ? std::string_view() : utf8.substr(comma + 2);
  }
  return table;
}

const std::vector<YakushokuTable>& Table(int which) {
  static const std::vector<YakushokuTable> tables[] = {
      ParseTable("副知 2, 副市 2, 副町 2, 副村 2, 副会 2, 副学 2, 副総 2, 副理 2, 会長 1, 議長 3, "
                 "座長 3, 理人 3, 代理 7, 佐人 8, 補佐 7, 員長 4, 議員 5, 番 5, 務局 7, 理者 7, "
                 "育長 7, 局長 7, 部長 7, 次長 7, 課長 7, 係長 7, 主任 7, 主査 7, 主幹 7, 技監 7, "
                 "技幹 7, 総監 7, 場長 7, 院長 7, 合長 7, 事官 7, 理事 7, 参事 7, 議官 7, 防長 7, "
                 "書記 7, 所長 7, 理監 7, 興監 7, 進監 7, 員監 7, 画監 7, 設長 7, 園長 7, ー長 7, "
                 "館長 7, 記長 7, プ長 7, 務長 7, 考人 9, 述人 12, 理人 5, 室長 7, 知事 1, 市長 1, "
                 "町長 1, 村長 1, 房長 7, 門員 7, 総理 1, 国務 2, 大臣 2, 監査 6, 君 5, さん 5, "
                 "証人 8, 察官 7, 護人 5, 判長 1, 判官 3, 委員 5, ー長 7, 室長 7, 事長 2, 幹事 7, "
                 "司会 4, 学長 1, 総長 1, 理事 2"),
      ParseTable(
          "総理 1, 副大 2, 大臣 2, 務官 2, 長官 2, 総裁 8, 総長 11, 院長 9, 館長 11, 局者 7, "
          "参事 7, 理人 10, 代理 4, 議長 3, 員長 4, 委員 5, 考人 9, 佐人 8, 理事 7, 事長 2, "
          "幹事 7, 門員 7, 局長 7, 部長 7, 課長 7, 主査 4, 次長 7, 室長 7, 議官 7, 科員 5, "
          "述人 12, 君 5, さん 5"),
      ParseTable(
          "副会 2, 副学 2, 副総 2, 副理 2, 理事 2, 会長 1, 副座 4, 座長 3, 員長 3, 委員 5, "
          "務局 7, 社長 11, 部長 7, 課長 7, 係長 7, 主任 7, 主査 7, 公述 12, 陳述 12, 顧問 8, "
          "事務 7, 局長 8, 表者 11, 育長 7, 館長 7, 所長 7, ー長 7, 室長 7, 総理 1, 副大 2, "
          "大臣 2, 務官 2, 学長 1, 総長 1, 司会 3, 事長 2, 幹事 7"),
      ParseTable(
          "室長 7, 知事 1, 市長 1, 町長 1, 村長 1, 司会 3, 座長 3, 員長 3, 委員 5, スト 5, "
          "会員 7, 加者 8, 総理 1, 副大 2, 大臣 2, 長官 2, 総裁 8, 総長 11, 院長 9, 館長 11, "
          "局者 7, 参事 7, 理人 10, 代理 4, 事務 7, 局員 7, 総理 1, 副大 2, 大臣 2, 務官 2, "
          "司会 4, 学長 11, 総長 11, 事長 2, 幹事 7"),
      ParseTable(
          "会長 1, 副座 4, 座長 3, 員長 3, 委員 5, 務局 7, 社長 11, 部長 7, 課長 7, 主任 7, "
          "主査 7, 公述 12, 陳述 12, 顧問 8, 事務 7, 局長 8, 表者 11, 総理 1, 副大 2, 大臣 2, "
          "務官 2, 司会 3"),
      ParseTable("陪席 4, 判長 1, 判官 3, 察官 7, 護人 5, 告人 11, 証人 9, 考人 9, 原告 8, 被告 6, "
                 "理人 5, さん 9, 氏 9, 君 9, 本人 14"),
  };
  return tables[which];
}

// The longest extra title that `text` contains (or ends with); the first of
// equal length. Longest first, so that "副区長" wins over "区長" in any order.
const YakushokuTable* LongestExtraTitle(std::string_view text,
                                        std::span<const YakushokuTable> extraTitles, bool atEnd) {
  const YakushokuTable* best = nullptr;
  for (const auto& record : extraTitles) {
    if (record.Key.empty() || (best && record.Key.size() <= best->Key.size())) continue;
    if (atEnd ? sjis::EndsWith(text, record.Key) : analysis::FastContains(text, record.Key)) {
      best = &record;
    }
  }
  return best;
}

}  // namespace

std::span<const YakushokuTable> AssemblyYakushoku() {
  return Table(0);
}
std::span<const YakushokuTable> DietYakushoku() {
  return Table(1);
}
std::span<const YakushokuTable> MeetingYakushoku() {
  return Table(2);
}
std::span<const YakushokuTable> DiscussYakushoku() {
  return Table(3);
}
std::span<const YakushokuTable> HearingYakushoku() {
  return Table(4);
}
std::span<const YakushokuTable> TrialYakushoku() {
  return Table(5);
}

std::span<const YakushokuTable> TitleTableForCategory(int category) {
  switch (category) {
    case 0:
    case 2:
      return AssemblyYakushoku();
    case 1:
      return DietYakushoku();
    case 3:
      return MeetingYakushoku();
    case 4:
      return DiscussYakushoku();
    case 5:
      return HearingYakushoku();
    case 6:
      return TrialYakushoku();
    default:
      return {};
  }
}

std::span<const MarkCode> SpeakerMarkCodes() {
  static const std::vector<MarkCode> marks = [] {
    std::vector<MarkCode> out;
    for (const auto& record : ParseTable("○ 3, ● 11, ◆ 5, ◇ 7, ◎ 1, ＠ 2, ■ 2, □ 4, ▲ 12, "
                                         "▼ 13, △ 9, ▽ 14, ★ 6, ☆ 8, ※ 10, ∇ 2")) {
      out.push_back({record.Key, record.Code});
    }
    return out;
  }();
  return marks;
}

std::string YakushokuCodeByTail(std::string_view designation, const std::string& fallback,
                                std::span<const YakushokuTable> extraTitles) {
  // The first record of the assembly table for each title ending.
  static const std::unordered_map<std::string_view, const std::string*> byKey = [] {
    std::unordered_map<std::string_view, const std::string*> codes;
    for (const auto& record : AssemblyYakushoku()) {
      if (!record.Key.empty()) codes.emplace(record.Key, &record.Code);
    }
    return codes;
  }();
  std::string_view title = designation;
  const std::size_t paren = analysis::FastPos("（"_sj, designation);
  if (paren > 1) title = designation.substr(0, paren - 1);
  if (const auto* extra = LongestExtraTitle(title, extraTitles, true)) return extra->Code;
  if (title.empty()) return "0";
  // The starts of the last two characters.
  std::size_t last = 0, beforeLast = 0;
  for (std::size_t pos = 0; pos < title.size(); pos += sjis::CharLength(title, pos)) {
    beforeLast = last;
    last = pos;
  }
  const auto found = byKey.find(title.substr(beforeLast));
  if (found != byKey.end()) return *found->second;
  const std::string_view lastChar = title.substr(last);
  if (lastChar == "番"_sj || lastChar == "君"_sj) return fallback;
  return "0";
}

TitleMatcher::TitleMatcher(std::span<const YakushokuTable> titles)
    : titles_(titles.begin(), titles.end()) {
  for (std::size_t i = 0; i < titles_.size(); ++i) {
    const std::string& key = titles_[i].Key;
    const auto index = static_cast<std::uint16_t>(i);
    if (key.size() >= 2) {
      const auto bytes = static_cast<std::uint16_t>(static_cast<unsigned char>(key[0]) << 8 |
                                                    static_cast<unsigned char>(key[1]));
      pairs_.push_back({bytes, index});
      pairStarts_.set(bytes);
    } else if (key.size() == 1) {
      singles_.push_back({static_cast<unsigned char>(key[0]), index});
      singleStarts_.set(static_cast<unsigned char>(key[0]));
    }
  }
  for (auto* starts : {&pairs_, &singles_}) {
    std::stable_sort(starts->begin(), starts->end(),
                     [](const Start& a, const Start& b) { return a.bytes < b.bytes; });
  }
}

const YakushokuTable* TitleMatcher::Find(std::string_view text) const {
  std::size_t best = titles_.size();
  // The titles that start with `bytes` and come before the best so far: the
  // first of them found at `pos` is the best at `pos`.
  const auto tryAt = [&](const std::vector<Start>& starts, std::uint16_t bytes, std::size_t pos) {
    auto it = std::lower_bound(starts.begin(), starts.end(), bytes,
                               [](const Start& s, std::uint16_t b) { return s.bytes < b; });
    for (; it != starts.end() && it->bytes == bytes && it->index < best; ++it) {
      if (text.compare(pos, titles_[it->index].Key.size(), titles_[it->index].Key) == 0) {
        best = it->index;
        return;
      }
    }
  };
  for (std::size_t pos = 0; pos < text.size(); pos += sjis::CharLength(text, pos)) {
    const auto b0 = static_cast<unsigned char>(text[pos]);
    if (singleStarts_.test(b0)) tryAt(singles_, b0, pos);
    if (pos + 1 < text.size()) {
      const auto bytes =
          static_cast<std::uint16_t>(b0 << 8 | static_cast<unsigned char>(text[pos + 1]));
      if (pairStarts_.test(bytes)) tryAt(pairs_, bytes, pos);
    }
  }
  return best < titles_.size() ? &titles_[best] : nullptr;
}

namespace {

// The title lookup of each meeting category (0..6), made once. Category 2
// finds "組合長" before its table.
const TitleMatcher& MatcherForCategory(int category) {
  static const std::array<TitleMatcher, 7> matchers = [] {
    std::vector<YakushokuTable> union_ = {{"組合長"_sj, "1"}};
    const auto table = TitleTableForCategory(2);
    union_.insert(union_.end(), table.begin(), table.end());
    return std::array<TitleMatcher, 7>{TitleMatcher(TitleTableForCategory(0)),
                                       TitleMatcher(TitleTableForCategory(1)),
                                       TitleMatcher(union_),
                                       TitleMatcher(TitleTableForCategory(3)),
                                       TitleMatcher(TitleTableForCategory(4)),
                                       TitleMatcher(TitleTableForCategory(5)),
                                       TitleMatcher(TitleTableForCategory(6))};
  }();
  return matchers[static_cast<std::size_t>(category)];
}

// The code of the last mark of the list that the designation holds followed
// by "　" (or at its end), null when it holds none.
const std::string* MarkCodeOf(std::string_view designation) {
  static const std::vector<std::int8_t> markIndex = [] {
    std::vector<std::int8_t> index(256 * 256, -1);
    const auto marks = SpeakerMarkCodes();
    for (std::size_t i = 0; i < marks.size(); ++i) {
      const std::string& m = marks[i].Mark;
      index[static_cast<unsigned char>(m[0]) * 256u + static_cast<unsigned char>(m[1])] =
          static_cast<std::int8_t>(i);
    }
    return index;
  }();
  int found = -1;
  const std::size_t n = designation.size();
  for (std::size_t pos = 0; pos < n; pos += sjis::CharLength(designation, pos)) {
    if (pos + 1 >= n || !sjis::IsLeadByte(static_cast<unsigned char>(designation[pos]))) continue;
    const int i = markIndex[static_cast<unsigned char>(designation[pos]) * 256u +
                            static_cast<unsigned char>(designation[pos + 1])];
    if (i > found && (pos + 2 == n || designation.substr(pos + 2, 2) == "　"_sj)) found = i;
  }
  return found < 0 ? nullptr : &SpeakerMarkCodes()[static_cast<std::size_t>(found)].Code;
}

}  // namespace

std::string YakushokuCodeByCategory(std::string_view designation, const std::string& fallback,
                                    int category, std::span<const YakushokuTable> extraTitles) {
  if (const std::string* markCode = MarkCodeOf(designation)) return *markCode;
  if (category < 0 || category > 6) return "0";
  if (const auto* extra = LongestExtraTitle(designation, extraTitles, false)) return extra->Code;
  const YakushokuTable* title = MatcherForCategory(category).Find(designation);
  return title ? title->Code : fallback;
}

}  // namespace korva

#include "html/roster_layout.h"

#include <array>

#include "html/blank_trim.h"
#include "text/literal.h"
#include "text/sjis.h"
#include "text/string_helpers.h"

namespace korva {
using namespace literals;

namespace {

std::string Pad(long long columns) {
  return columns < 2 ? "" : IdeographicSpaces(columns / 2);
}

std::string RemoveAll(std::string_view s, std::string_view what) {
  return sjis::ReplaceAll(s, what, "");
}

bool HasHeadingWord(std::string_view s) {
  static const std::array<std::string, 13> kWords = {
      "説明"_sj, "職員"_sj, "職責"_sj, "者の"_sj, "職氏名"_sj, "条の"_sj, "規定に"_sj,
      "会議"_sj, "欠員"_sj, "出席"_sj, "欠席"_sj, "●"_sj,      "＼"_sj};
  const std::string bare = DeleteAllSpaces(s);
  for (const auto& word : kWords) {
    if (sjis::Contains(bare, word)) return true;
  }
  return false;
}

std::string TitleOf(std::string_view raw) {
  std::string title = TrimBlank(raw);
  if (title == "〃"_sj) title = "　〃　〃"_sj;
  return RemoveAll(title, "※"_sj);
}

}  // namespace

RosterColumns RosterColumnsFrom(const Settings& s) {
  return {s.SpinEditYakushokuPos, s.SpinEditShimeiPos, s.SpinEditYakushokuPos2,
          s.SpinEditShimeiPos2};
}

std::vector<std::string> LayoutRosterLines(const std::vector<std::string>& lines,
                                           const RosterColumns& c) {
  const std::string indent = IdeographicSpaces(c.Title1);
  const auto len = [](const std::string& s) { return static_cast<long long>(s.size()); };
  std::vector<std::string> out;
  bool pairPending = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& s = lines[i];
    const std::string next = i + 1 < lines.size() ? lines[i + 1] : std::string();
    if (sjis::StartsWith(s, "。"_sj)) {
      out.emplace_back();
      continue;
    }
    if (sjis::StartsWith(s, "／／"_sj) || sjis::StartsWith(s, "＼"_sj)) continue;
    if (sjis::Contains(s, "●"_sj)) {
      pairPending = false;
      out.push_back(indent + "　　"_sj + DeleteAllSpaces(RemoveAll(s, "●"_sj)));
      continue;
    }
    if (pairPending) {
      pairPending = false;  // this line was the name of the "■" line before it
      continue;
    }
    if (HasHeadingWord(s)) {
      out.push_back(TrimBlank(s));
      continue;
    }
    if (sjis::StartsWith(s, "￥"_sj) || sjis::StartsWith(s, "／"_sj)) {
      std::string rest = sjis::ReplaceFirst(s, "＼"_sj, "");
      rest = sjis::ReplaceFirst(rest, "／"_sj, "");
      out.push_back(sjis::ReplaceFirst(rest, "●"_sj, ""));
      continue;
    }
    if (std::size_t p = sjis::Find(s, "｝"_sj); p != sjis::npos) {
      const std::string title = TitleOf(std::string_view(s).substr(0, p));
      const std::string after = s.substr(p + 2);
      const std::string col1Head = indent + title + Pad(c.Name1 - (len(title) + 2LL * c.Title1));
      const std::size_t q = sjis::Find(after, "／"_sj);
      if (q == sjis::npos) {
        out.push_back(col1Head + after);
        continue;
      }
      const std::string col1 = col1Head + after.substr(0, q);
      const std::string second = after.substr(q + 2);
      // Without a "￥" the second entry is kept whole rather than dropped.
      const std::size_t y = sjis::Find(second, "￥"_sj);
      const std::string title2 = RemoveAll(y == sjis::npos ? second : second.substr(0, y), "※"_sj);
      const std::string name2 = y == sjis::npos ? std::string() : second.substr(y + 2);
      const std::string col2 = col1 + Pad(c.Title2 - len(col1)) + title2;
      out.push_back(col2 + Pad(c.Name2 - len(col2)) + name2);
      continue;
    }
    if (sjis::Contains(s, "■"_sj)) {
      pairPending = true;
      const std::string title = RemoveAll(RemoveAll(s, "■"_sj), "※"_sj);
      std::string filler = Pad(c.Name1 - len(title));
      if (filler.size() >= 10) filler.erase(0, 10);  // one run of five ideographic spaces
      // The name line is shown as text: its layout markers must not leak out.
      std::string name = sjis::ReplaceAll(TrimBlankLeft(next), "｝"_sj, "　"_sj);
      name = RemoveAll(sjis::ReplaceAll(name, "￥"_sj, "　"_sj), "●"_sj);
      out.push_back(indent + title + "　"_sj + filler + name);
      continue;
    }
    out.push_back(indent + "　　"_sj + DeleteAllSpaces(s));
  }
  return out;
}

void CleanupMeiboLine(const Settings& settings, const Document& doc, LineSink& out) {
  for (const std::string& line :
       LayoutRosterLines(doc.ContentsWorkList1, RosterColumnsFrom(settings))) {
    out.Add(line);
  }
}

void CleanupMeiboLine(const Settings& settings, Document& doc) {
  ListAppend body(doc.BodyHTMLList);
  CleanupMeiboLine(settings, doc, body);
}

}  // namespace korva

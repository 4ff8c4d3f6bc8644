#include "reference_analysis.h"

#include "analysis/title_tables.h"
#include "text/literal.h"
#include "text/sjis.h"
#include "text/string_helpers.h"

namespace korva::testing {
using namespace literals;

namespace {

bool Starts(std::string_view s, const std::string& x) {
  return sjis::StartsWith(s, x);
}
bool Has(std::string_view s, const std::string& x) {
  return Pos(x, s) > 0;
}
bool IsControlOrSpace(char c) {
  return static_cast<unsigned char>(c) <= 0x20;
}
std::string WithoutTrailingControls(std::string s) {
  while (!s.empty() && IsControlOrSpace(s.back())) s.pop_back();
  return s;
}
// Every occurrence of each separator symbol removed in turn, nothing left.
bool PlainIsSeparatorLine(std::string s) {
  for (const char* symbol :
       {"　", " ", "―", "-", "─", "－", "━", "～", "＝", "☆", "◇", "○", "〇", "□", "〓"}) {
    s = sjis::ReplaceAll(s, Sj(symbol), "");
  }
  return s.empty();
}
bool EndsSentence(std::string_view last) {
  return last == "。"_sj || last == "…"_sj || last == "、"_sj || last == "＼"_sj;
}

struct State {
  bool InComment = false, InProceedings = false, AfterClosing = false, InRoster = false,
       InPlainText = false, InEnumeration = false, InRawHTML = false, InQuote = false,
       QuoteStarted = false, InParagraph = false, ParagraphStarted = false, NoteOpen = false;
};

void Row(const std::string& R, LineRow& row, LineRow* previous, State& st, BlockMarkCounts& n) {
  std::string T = ZenkakuTrimRight(R);
  const std::string A = TrimControlAndSpaces(R);
  const std::string C = DeleteAllSpaces(A);
  if (std::size_t p = Pos("／／"_sj, T)) T = ZenkakuTrim(T.substr(0, p - 1));
  const std::string U = ZenkakuTrim(T);
  const auto put = [&](const std::string& text, const char* kind, const char* pos = "") {
    row.Text = text;
    row.LineKind = kind;
    row.BlockPos = pos;
  };
  const auto heading = [&](const std::string& d) {
    row.Designation = d;
    row.LineKind = "4";
  };
  const auto close = [&] {
    if (previous) previous->BlockPos = previous->BlockPos == "1" ? "0" : "3";
  };

  if (C.empty()) return put("", "0");                                                         // 1
  if (Starts(A, "＜＜"_sj)) return ++n.CommentStartCount, st.InComment = true, put(T, "96");  // 2
  if (Starts(A, "＞＞"_sj)) return ++n.CommentEndCount, st.InComment = false, put(T, "97");   // 3
  if (st.InComment) return put(T, "93");                                                      // 4
  if (Starts(U, "＼"_sj)) return put(U, "-");                                                 // 5
  if (Starts(U, "。。"_sj)) return st.InPlainText = true, put(U, "99", "9");                  // 6
  if (Starts(U, "。"_sj)) return put(R, "0", "1");                                            // 7
  if (Starts(T, "▼"_sj) || Starts(T, "▽"_sj)) return heading(U);                              // 8
  if (Starts(A, "「」"_sj)) return put(sjis::ReplaceFirst(T, "「」"_sj, ""), "73");           // 9
  if (Starts(A, "￥"_sj) || st.AfterClosing) return put(T, "8");                              // 10
  T = WithoutTrailingControls(T);                                                             // 11
  if (T.empty()) return put(T, "-");
  std::string last(sjis::LastChar(T));
  if (Starts(U, "－"_sj) && sjis::EndsWith(U, "－"_sj)) {  // 12
    return put(sjis::ReplaceAll(T, "-", ""), "0");
  }
  if (PlainIsSeparatorLine(T)) return put(T, "-");  // 13
  if (Starts(A, "■"_sj) && !Has(C, "。"_sj)) {      // 14
    if (!st.InProceedings) return st.InProceedings = true, heading(U);
    st.InProceedings = false;
    st.AfterClosing = true;
    return put(T, "1");
  }
  if (st.InProceedings && !Has(T, "。"_sj) && !Has(C, "宣告"_sj) && !Has(C, "閉会中"_sj) &&
      !Has(C, "議決"_sj) && (Has(C, "散会"_sj) || Has(C, "延会"_sj) || Has(C, "閉会"_sj))) {  // 15
    return st.InProceedings = false, put(T, "8", "9");
  }
  if (Starts(U, "｛｛"_sj)) return ++n.RosterStartCount, st.InRoster = true, put(T, "51");     // 16
  if (Starts(U, "｝｝"_sj)) return ++n.RosterEndCount, st.InRoster = false, put(T, "52");      // 17
  if (st.InRoster) return put(T, "5");                                                         // 18
  if (Starts(A, "（（"_sj)) return st.InPlainText = true, put(T, "94");                        // 19
  if (Starts(A, "））"_sj)) return st.InPlainText = false, put(T, "95");                       // 20
  if (st.InPlainText) return put(T, "1");                                                      // 21
  if (Starts(U, "「「"_sj)) return ++n.EnumStartCount, st.InEnumeration = true, put(T, "71");  // 22
  if (Starts(U, "」」"_sj)) return ++n.EnumEndCount, st.InEnumeration = false, put(T, "72");   // 23
  if (st.InEnumeration) return put(T, "7");                                                    // 24
  if (Starts(U, "『『"_sj)) return ++n.HTMLStartCount, st.InRawHTML = true, put(T, "61");      // 25
  if (Starts(U, "』』"_sj)) return ++n.HTMLEndCount, st.InRawHTML = false, put(T, "62");       // 26
  if (st.InRawHTML) return put(R, "6");                                                        // 27
  if (Starts(U, "【【"_sj)) {                                                                  // 28
    ++n.QuoteStartCount;
    st.InQuote = true;
    st.QuoteStarted = false;
    return put(T, "91");
  }
  if (Starts(U, "】】"_sj))
    return ++n.QuoteEndCount, st.InQuote = false, close(), put(T, "92");  // 29
  if (st.InQuote) {                                                       // 30
    const char* pos = st.QuoteStarted ? "2" : "1";
    st.QuoteStarted = true;
    return put(R, "9", pos);
  }
  if (Starts(U, "〔〔"_sj)) {  // 31
    ++n.ParagraphStartCount;
    st.InParagraph = true;
    st.ParagraphStarted = false;
    return put(T, "11");
  }
  if (Starts(U, "〕〕"_sj)) {  // 32
    return ++n.ParagraphEndCount, st.InParagraph = false, close(), put(T, "12");
  }
  if (st.InParagraph) {  // 33
    const char* pos = st.ParagraphStarted ? "2" : "1";
    st.ParagraphStarted = true;
    return put(R, "10", pos);
  }
  if (st.InProceedings && Starts(T, "　"_sj) && !Has(U, "。"_sj) &&
      (Has(C, "休憩"_sj) || Has(C, "再開"_sj))) {  // 34
    return put(T, "8");
  }
  if (!EndsSentence(last)) {  // 35
    const std::size_t oP = Pos("（"_sj, C), cP = Pos("）"_sj, U), oK = Pos("〔"_sj, U),
                      cK = Pos("〕"_sj, U), oS = Pos("［"_sj, U), cS = Pos("］"_sj, U),
                      oB = Pos("【"_sj, U), cB = Pos("】"_sj, U), y = Pos("＼"_sj, U);
    if (st.InProceedings && y == 0 &&
        ((oP == 1 && cP > 0) || (oK > 0 && cK > 0) || (oS > 0 && cS > 0) || (oB > 0 && cB > 0))) {
      return st.NoteOpen = false, put(T, "8", "0");
    }
    if (st.InProceedings && ((oP == 1 && cP == 0) || (oK > 0 && cK == 0) || (oS > 0 && cS == 0))) {
      return st.NoteOpen = true, put(T, "8", "1");
    }
    if (st.InProceedings &&
        ((oP == 0 && cP > 0) || (oK == 0 && cK > 0) || (oS == 0 && cS > 0) || (oB > 0 && cB > 0))) {
      return st.NoteOpen = false, put(T, "8", "3");
    }
    if (st.NoteOpen) return put(T, "8", "2");
  }
  if (Pos("　"_sj, T) > 1 && Pos("拍手"_sj, T) > 1 && Has(T, "。"_sj) && !Has(T, "＼"_sj)) {  // 36
    T += "＼"_sj;
    last = "＼"_sj;
  }
  if (st.InProceedings && (Starts(C, "▼"_sj) || Starts(C, "▽"_sj)) && !Has(C, "。"_sj)) {  // 37
    return heading(U);
  }
  std::size_t k = 0;  // 38
  for (const std::string* mark : {&"○"_sj, &"●"_sj, &"◆"_sj, &"◇"_sj, &"◎"_sj, &"＠"_sj, &"■"_sj,
                                  &"□"_sj, &"▲"_sj, &"▼"_sj, &"△"_sj, &"▽"_sj, &"★"_sj, &"☆"_sj}) {
    if (std::size_t p = Pos(*mark + "　"_sj, T)) k = p + 2;
  }
  if (k == 0) {
    for (const std::string* mark :
         {&"○"_sj, &"●"_sj, &"◆"_sj, &"◇"_sj, &"◎"_sj, &"＠"_sj, &"■"_sj, &"□"_sj, &"▲"_sj, &"▼"_sj,
          &"△"_sj, &"▽"_sj, &"★"_sj, &"☆"_sj}) {
      if (std::size_t p = Pos(*mark + "　"_sj, T + "　"_sj)) k = p + 2;
    }
  }
  if (Has(T, "長 "_sj) || Has(T, "） "_sj) || Has(T, "員 "_sj)) {  // 39
    T = sjis::ReplaceFirst(T, " ", "　"_sj);
    k = Pos("　"_sj, T);
  }
  const auto after = [&](std::size_t k) { return k + 1 <= T.size() ? T.substr(k + 1) : ""; };
  if (k > 1) {  // 40
    row.Designation = T.substr(0, k - 1);
    row.Text = "　"_sj + ZenkakuTrim(after(k));
    row.LineKind = "2";
    return;
  }
  const std::size_t f = Pos("　"_sj, T);  // 41
  if (EndsSentence(last) && f > 1 && f < 51) {
    k = f;
    const std::size_t second = SearchFrom("　"_sj, T, f + 1);
    if (second > 0 && second < 41) k = second;
    const std::size_t q = Pos("）　"_sj, T);
    if (q > 0 && q < 51) k = q + 2;
    const std::string D = T.substr(0, k - 1);
    if (Has(D, "、"_sj) || Has(D, "議案"_sj) || Has(D, "日程"_sj)) {
      return put("　"_sj + TrimAllSpaces(T), "3");
    }
    row.Designation = TrimAllSpaces(D);
    row.Text = "　"_sj + TrimAllSpaces(after(k));
    row.LineKind = "2";
    if (!st.AfterClosing) st.InProceedings = true;
    st.NoteOpen = false;
    return;
  }
  if (EndsSentence(last)) return put("　"_sj + TrimAllSpaces(T), st.InProceedings ? "3" : "1");
  if (!st.InProceedings) return put(T, "1");
  if (Has(T, "。"_sj)) return put(T, "3");
  heading(U);
}

}  // namespace

void ReferenceClassify(const std::vector<std::string>& preparedLines, LineTable& target,
                       BlockMarkCounts& counts) {
  target.Resize(preparedLines.size());
  State state;
  for (std::size_t r = 1; r <= preparedLines.size(); ++r) {
    LineRow& row = target.Row(r);
    row.LineNo = PadNumber(static_cast<long long>(r), 4);
    Row(preparedLines[r - 1], row, r > 1 ? &target.Row(r - 1) : nullptr, state, counts);
  }
}

std::string ReferenceCodeByCategory(std::string_view designation, const std::string& fallback,
                                    int category) {
  std::string code;
  for (const MarkCode& mark : SpeakerMarkCodes()) {
    if (Has(std::string(designation) + "　"_sj, mark.Mark + "　"_sj)) code = mark.Code;
  }
  if (!code.empty()) return code;
  if (category < 0 || category > 6) return "0";
  if (category == 2 && Has(designation, "組合長"_sj)) return "1";
  for (const YakushokuTable& record : TitleTableForCategory(category)) {
    if (Has(designation, record.Key)) return record.Code;
  }
  return fallback;
}

namespace {

std::string CodeByTail(const std::string& designation, const std::string& fallback) {
  std::string title = designation;
  if (Pos("（"_sj, designation) > 1) title = designation.substr(0, Pos("（"_sj, designation) - 1);
  const std::vector<std::size_t> starts = sjis::CharStarts(title);
  if (starts.empty()) return "0";
  const std::string tail = title.substr(starts[starts.size() >= 2 ? starts.size() - 2 : 0]);
  for (const YakushokuTable& record : AssemblyYakushoku()) {
    if (!record.Key.empty() && record.Key == tail) return record.Code;
  }
  const std::string last(sjis::LastChar(title));
  return last == "番"_sj || last == "君"_sj ? fallback : "0";
}

}  // namespace

Document ReferenceAnalyse(const std::vector<std::string>& lines, int category) {
  Document doc;
  doc.MinutesTextList = lines;
  std::vector<std::string> prepared;
  for (const std::string& line : lines) {
    std::string p = ZenkakuTrimRight(line);
    if (!p.empty() && p[0] == ' ' && (p.size() < 2 || p[1] != ' ')) p.erase(0, 1);
    prepared.push_back(p);
  }
  LineTable& table = doc.MinutesTextStringGrid;
  ReferenceClassify(prepared, table, doc.MarkCounts);
  if (category >= 0 && category < 7) {
    for (LineRow& row : table) {  // designations that stand alone
      if (!DeleteAllSpaces(row.Designation).empty() && DeleteAllSpaces(row.Text).empty() &&
          CodeByTail(DeleteAllSpaces(row.Designation), "9") != "0") {
        row.LineKind = "2";
      }
    }
    std::string current;
    for (LineRow& row : table) {  // categories per speech
      const std::string kind = row.LineKind;
      if (kind == "1" || kind == "5" || kind == "6") current.clear();
      if (kind == "2") current = ReferenceCodeByCategory(row.Designation, "5", category);
      if (kind == "2" || kind == "3") row.CategoryCode = current;
    }
  }
  for (LineRow& row : table) {  // kind labels
    if (row.Designation.empty()) continue;
    if (row.LineKind == "2") row.KindLabel = "発言者"_sj;
    if (row.LineKind == "4") row.KindLabel = "議題"_sj;
  }
  int entry = 1, speech = 1;  // numbers and lists
  bool chairNumbered = false;
  for (std::size_t r = 1; r <= table.RowCount(); ++r) {
    LineRow& row = table.Row(r);
    const std::string ref = "\t" + std::to_string(r) + "/1";
    const std::string id = ZeroPadNumber(static_cast<long long>(r), 4);
    if (row.LineKind == "2") {
      const std::string d = row.Designation;
      doc.SpeakerNameSet.Add(RemoveSpeakerMarks(d, 1));
      if (!Has(d, "議長"_sj) || !chairNumbered) row.SpeechNo = std::to_string(speech++);
      if (Has(d, "議長"_sj)) chairNumbered = true;
      doc.ListBoxGidaiHatsugen.push_back(" " + PadNumber(entry++, 3) + ". " + d + ref);
      doc.SpeakerNavEntryList.push_back(d + "%" + std::string(row.CategoryCode) + "/" + id);
    } else if (row.LineKind == "4") {
      std::string h = ZenkakuTrim(row.Designation);
      if (Starts(h, "／"_sj)) continue;
      if (Starts(h, "■"_sj)) h = h.substr(2);
      doc.ListBoxGidaiHatsugen.push_back(ZenkakuTrim(h) + ref);
      doc.SpeakerNavEntryList.push_back(DeleteAllSpaces(h) + "/" + id);
    }
  }
  return doc;
}

}  // namespace korva::testing

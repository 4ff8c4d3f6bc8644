#include "html/body.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <unordered_map>
#include <unordered_set>

#include "analysis/roster.h"
#include "html/blank_trim.h"
#include "html/placeholders.h"
#include "html/roster_layout.h"
#include "html/tags.h"
#include "publishing/speaker_class.h"
#include "text/literal.h"
#include "text/sjis.h"
#include "text/string_helpers.h"

namespace korva {
using namespace literals;

std::string LineId(std::string_view prefix, std::size_t row) {
  return std::string(prefix) + ZeroPadNumber(static_cast<long long>(row), 4);
}

std::string MakeZleadingSP(int n) {
  return IdeographicSpaces(n < 1 ? 26 : n / 2);
}

std::string MakeZSP(int n) {
  return IdeographicSpaces(n < 1 ? 0 : n);
}

std::string MakeHSPSeparator(std::string_view name, int width) {
  const long long count = width - static_cast<long long>(name.size());
  return std::string(count >= 1 && count <= 100 ? static_cast<std::size_t>(count) : 11, ' ');
}

namespace {

bool IsSpeakerCode(std::string_view code) {
  static const std::array<std::string_view, 14> kCodes = {"1", "2", "3",  "4",  "5",  "6",  "7",
                                                          "8", "9", "10", "11", "12", "13", "14"};
  for (auto c : kCodes) {
    if (code == c) return true;
  }
  return false;
}

}  // namespace

class BodyConverter::Impl {
 public:
  Impl(const Settings& settings, Document& doc, LineSink& out)
      : s_(settings), doc_(doc), out_(out) {}

  void Row(std::size_t r, const LineRow& row, std::string_view nextKind) {
    row_ = r;
    kind_ = row.LineKind;
    nextKind_ = nextKind;
    prevKindStore_ = lastKind_;
    prevKind_ = prevKindStore_;
    lastKind_ = row.LineKind;
    if (kind_.empty() || kind_ == "-") return;
    if (kind_ == "97") {
      inComment_ = false;
      return;
    }
    if (kind_ == "96") inComment_ = true;
    if (inComment_ && kind_ != "96") return;
    Dispatch(row);
  }

  void Finish() {
    if (inRoster_ && !doc_.ContentsWorkList1.empty()) {
      // A roster without its closing row would otherwise lose its rows.
      CleanupMeiboLine(s_, doc_, out_);
    }
    if (headerPreOpen_ || preOpen_ || footerPreOpen_) Emit(tags::kPreClose);
  }

 private:
  void Emit(std::string_view line) { out_.Add(line); }
  void EmitEmpty() { out_.StartLine(); }
  std::string Id() const { return LineId(doc_.LineIdPrefix, row_); }
  std::string Cleaned(const std::string& text) const { return CleanupAlternatechar(text); }
  // The text without "＼", copied only when it holds one (whose second byte is "_").
  std::string_view CleanedView(std::string_view text, std::string& scratch) const {
    if (text.find('_') == std::string_view::npos) return text;
    scratch = CleanupAlternatechar(text);
    return scratch;
  }
  void AppendId(std::string& line) const {
    char digits[24];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, row_);
    const auto count = static_cast<std::size_t>(end - digits);
    line.append(doc_.LineIdPrefix).append(count < 4 ? 4 - count : 0, '0').append(digits, count);
  }
  // tagOpen, id, the class (after the layout marker), and the tag's end.
  void AppendOpenWithId(std::string& line, std::string_view tagOpen, std::string_view cls) const {
    line.append(tagOpen);
    AppendId(line);
    line.append(tags::kClassAttr).append(tags::kLayoutMarker).append(cls).append(tags::kTagEnd);
  }
  // The class and mark of a speaker category: the settings do not change
  // during a conversion, so each code is looked up once.
  const SpeakerClassMark& Style(const std::string& code) {
    auto found = styles_.find(code);
    if (found == styles_.end()) found = styles_.emplace(code, SpeakerClassAndMark(s_, code)).first;
    return found->second;
  }
  std::string ClassValue(std::string_view cls) const {
    return std::string(tags::kLayoutMarker) + std::string(cls);
  }
  std::string OpenWithId(std::string_view tagOpen, std::string_view cls) const {
    return std::string(tagOpen) + Id() + std::string(tags::kClassAttr) + ClassValue(cls) +
           std::string(tags::kTagEnd);
  }

  void ClosePreIfAny() {
    if (headerPreOpen_ || preOpen_ || footerPreOpen_) {
      Emit(tags::kPreClose);
      headerPreOpen_ = preOpen_ = footerPreOpen_ = false;
    }
  }

  void Dispatch(const LineRow& row) {
    const std::string_view k = kind_;
    if (k == "0") {
      Blank(row);
    } else if (k == "1") {
      // Never a header block inside an open footer: the end closes only one.
      if (!bodyStarted_ && !preOpen_ && !footerPreOpen_) {
        Emit(tags::kPreHeader);
        preOpen_ = headerPreOpen_ = true;
      }
      std::string scratch;
      const std::string_view text = CleanedView(row.Text, scratch);
      if (sjis::StartsWith(text, "。"_sj)) {
        EmitEmpty();
      } else {
        Emit(text);
      }
    } else if (k == "2") {
      Speaker(row);
    } else if (k == "3") {
      Continuation(row);
    } else if (k == "4") {
      Heading(row);
    } else if (k == "5") {
      doc_.ContentsWorkList1.push_back(ConvertRosterLine(Cleaned(row.Text)));
    } else if (k == "51") {
      // A roster still open keeps its rows: lay them out before starting anew.
      if (inRoster_ && !doc_.ContentsWorkList1.empty()) CleanupMeiboLine(s_, doc_, out_);
      inRoster_ = true;
      doc_.ContentsWorkList1.clear();
      doc_.ContentsWorkList2.clear();
    } else if (k == "52") {
      inRoster_ = false;
      if (!doc_.ContentsWorkList1.empty()) CleanupMeiboLine(s_, doc_, out_);
    } else if (k == "6") {
      Emit(row.Text);
    } else if (k == "61") {
      ClosePreIfAny();
      EmitEmpty();
      Emit(tags::kTablePositionDiv);
    } else if (k == "62") {
      Emit(tags::kDivClose);
      EmitEmpty();
    } else if (k == "7") {
      Emit(EnumerationItem(Cleaned(row.Text), true));
    } else if (k == "71") {
      EmitEmpty();
      Emit(ListOpen());
    } else if (k == "72") {
      Emit(tags::kListClose);
      EmitEmpty();
      enumIndentKnown_ = false;
    } else if (k == "73") {
      EmitEmpty();
      Emit(ListOpen());
      Emit(EnumerationItem(row.Text, false));
      Emit(tags::kListClose);
      EmitEmpty();
      enumIndentKnown_ = false;
    } else if (k == "8") {
      Annotation(row);
    } else if (k == "9") {
      Emit(BlockLine(Cleaned(row.Text), row.BlockPos, s_.ComboBoxPQ_ID));
    } else if (k == "91") {
      inQuotation_ = true;
      EmitEmpty();
      Emit(OpenWithId(tags::kQuoteIdOpen, s_.ComboBoxBQ_ID) +
           std::string(tags::kStartBlockquoteComment));
    } else if (k == "92") {
      Emit(std::string(tags::kQuoteClose) + std::string(tags::kEndBlockquoteComment));
      inQuotation_ = false;
    } else if (k == "10") {
      Emit(BlockLine(Cleaned(row.Text), row.BlockPos, tags::kContentClass));
    } else if (k == "11") {
      inContentBlock_ = true;
      EmitEmpty();
      Emit(OpenWithId(tags::kDivIdOpen, tags::kContentClass) +
           std::string(tags::kStartContentComment));
    } else if (k == "12") {
      Emit(std::string(tags::kDivClose) + std::string(tags::kEndContentComment));
      inContentBlock_ = inQuotation_ = false;
    } else if (k == "94") {
      if (headerPreOpen_ || preOpen_ || footerPreOpen_) {
        Emit(tags::kPreClose);
        headerPreOpen_ = footerPreOpen_ = false;
      }
      preOpen_ = true;
      Emit(tags::kPreContent);
    } else if (k == "95") {
      Emit(tags::kPreClose);
      headerPreOpen_ = preOpen_ = footerPreOpen_ = false;
    } else if (k == "99") {
      OpenFooter();
    }
  }

  void OpenFooter() {
    if (!footerPreOpen_) {
      Emit(tags::kPreFooter);
      footerPreOpen_ = true;
    }
  }

  void Blank(const LineRow& row) {
    if (preOpen_ && !inRoster_) EmitEmpty();
    if (inRoster_) {
      if (row.Text.empty() || sjis::StartsWith(row.Text, "。"_sj)) {
        doc_.ContentsWorkList1.push_back(row.Text);
      }
    } else if (row.BlockPos == "1" || s_.CheckBoxCRLF2Br) {
      Emit(tags::kBr);
    }
    if (inQuotation_ || inContentBlock_) Emit(tags::kBr);
  }

  void Speaker(const LineRow& row) {
    longParagraphCounter_ = 0;
    shortParagraphPending_ = false;
    speakerSeen_ = true;
    if (!bodyStarted_ && preOpen_) {
      Emit(tags::kPreClose);
      headerPreOpen_ = footerPreOpen_ = false;
    }
    bodyStarted_ = true;
    std::string designationScratch, textScratch;
    const std::string_view designation = CleanedView(row.Designation, designationScratch);
    const std::string_view cleaned = CleanedView(row.Text, textScratch);
    const std::string_view text = TrimBlankLeftView(cleaned);
    lastCategoryCode_ = row.CategoryCode;
    const SpeakerClassMark& style = Style(lastCategoryCode_);
    const std::string_view end = nextKind_ == "3" ? tags::kBr : tags::kParagraphClose;
    std::string& line = out_.StartLine();
    AppendOpenWithId(line, tags::kParagraphIdOpen, s_.ComboBoxP_Class_First);
    line.append(style.mark).append(tags::kSpeakerSpanOpen);
    // The name: the designation and the speech number, without marks.
    const std::size_t nameStart = line.size();
    AppendWithoutSpeakerMarks(line, designation);
    if (!row.SpeechNo.empty()) line.append("【"_sj).append(row.SpeechNo).append("】"_sj);
    AddToLegend(std::string_view(line).substr(nameStart), style);
    line.append(tags::kSpanClose).append("　"_sj).append(tags::kSpanClassOpen);
    line.append(style.className).append(tags::kTagEnd).append(text).append(tags::kSpanClose);
    line.append(end);
    preOpen_ = false;
    if (cleaned.size() > 300) {
      ++longParagraphCounter_;
    } else {
      shortParagraphPending_ = true;
    }
  }

  // The speaker legend: each name up to its first "【" (the speech number's,
  // unless the designation holds one), and its class; an entry already made
  // is not made again.
  void AddToLegend(std::string_view name, const SpeakerClassMark& style) {
    const std::string_view shortName = name.substr(0, sjis::Find(name, "【"_sj));
    std::string key(shortName);
    key.append(1, '\0').append(style.className);
    if (!legendSeen_.insert(std::move(key)).second) return;
    doc_.SpeakerSentenceSet.Add(
        "【 "_sj + std::string(shortName) + " 】"_sj + MakeHSPSeparator(shortName, 40) +
        std::string(tags::kSpanClassOpen) + style.className + std::string(tags::kTagEnd));
  }

  void Continuation(const LineRow& row) {
    std::string scratch;
    // The paragraph's text is "　" and the trimmed line; the line shows it
    // without that space.
    const std::string_view text = TrimBlankView(CleanedView(row.Text, scratch));
    const std::size_t length = 2 + text.size();
    static const std::array<std::string_view, 7> kResumeAfter = {"4",  "8",  "0", "72",
                                                                 "73", "92", "95"};
    bool resumes = false;
    for (auto k : kResumeAfter) resumes = resumes || prevKind_ == k;
    const std::string cls = IsSpeakerCode(lastCategoryCode_) ? Style(lastCategoryCode_).className
                                                             : DocumentColorClass();
    const std::string_view end = nextKind_ == "3" ? tags::kBr : tags::kParagraphClose;
    std::string& line = out_.StartLine();
    if (resumes) {
      longParagraphCounter_ = 1;
      AppendOpenWithId(line, tags::kParagraphIdOpen, s_.ComboBoxP_Class_Cont);
      line.append("　　"_sj).append(tags::kSpanClassOpen).append(cls);
    } else {
      line.append(tags::kAnchorIdOpen);
      AppendId(line);
      line.append(tags::kAnchorIdClose).append("　"_sj).append(tags::kSpanClassOpen);
      line.append(AlternateClass(cls));
    }
    line.append(tags::kTagEnd).append(text).append(tags::kSpanClose).append(end);
    preOpen_ = false;
    if (!shortParagraphPending_) {
      if (length > 300) {
        ++longParagraphCounter_;
      } else {
        shortParagraphPending_ = true;
      }
    } else {
      ++longParagraphCounter_;
      shortParagraphPending_ = false;
    }
  }

  std::string AlternateClass(const std::string& cls) const {
    if (!s_.CheckBoxAlternateBGColor || longParagraphCounter_ % 2 == 0) return cls;
    if (s_.CheckBoxBGColorSpeakerBy) return cls + "-alt";
    return speakerSeen_ ? "alt" : cls;
  }

  std::string DocumentColorClass() {
    const int n = s_.SpinEditDocumentColorCount;
    if (n <= 0 || n > 8) return s_.ComboBoxDOC_ID;
    const long long k = n <= 2 ? 2 : n;
    const long long i = doc_.DocumentColorCounter % k;
    ++doc_.DocumentColorCounter;
    return s_.CheckBoxAlternateBGColor ? s_.ComboBoxDOC_ID + "-" + std::to_string(i)
                                       : s_.ComboBoxDOC_ID;
  }

  void Annotation(const LineRow& row) {
    std::string scratch, unmarked;
    AppendWithoutSpeakerMarks(unmarked, CleanedView(row.Text, scratch));
    const std::string_view text = TrimBlankView(unmarked);
    const std::string_view pos = row.BlockPos;
    std::string& line = out_.StartLine();
    if (pos == "2" || pos == "3") {
      line.append("　"_sj);
    } else {
      line.append(tags::kParagraphClassOpen).append(tags::kLayoutMarker);
      line.append(s_.ComboBoxP_annotate).append(tags::kTagEnd);
    }
    line.append(doc_.AnnotationIndent).append(text);
    line.append(pos == "1" || pos == "2" ? tags::kBr : tags::kParagraphClose);
    // The adjournment line opens the footer; once open it is not opened twice.
    if (pos == "9") OpenFooter();
  }

  void Heading(const LineRow& row) {
    bodyStarted_ = true;
    if (preOpen_) {
      Emit(tags::kPreClose);
      headerPreOpen_ = footerPreOpen_ = false;
    }
    std::string text = TrimBlank(Cleaned(row.Designation));
    if (std::size_t cut = sjis::Find(text, "／／"_sj); cut != sjis::npos) {
      text = TrimBlank(text.substr(0, cut));
    }
    std::string line;
    if (sjis::StartsWith(text, "／"_sj)) {
      text.erase(0, 2);
      line = IsSeparatorLine(text)
                 ? std::string(tags::kRuleClassOpen) + ClassValue(tags::kSeparatorClass) +
                       std::string(tags::kTagEnd)
                 : OpenWithId(tags::kHeadingIdOpen, "sentence") + text +
                       std::string(tags::kHeadingClose);
    } else {
      const std::string& mark =
          sjis::StartsWith(text, "▽"_sj) ? s_.ComboBoxMarkWTD : s_.ComboBoxMarkBTD;
      text = TrimBlank(RemoveSpeakerMarks(text, 0));
      line = OpenWithId(tags::kHeadingIdOpen, s_.ComboBoxH3_ID) + mark + text +
             std::string(tags::kHeadingClose);
    }
    EmitEmpty();
    Emit(line);
    preOpen_ = false;
  }

  std::string ListOpen() const {
    return std::string(tags::kListClassOpen) + s_.ComboBoxUL_ID + std::string(tags::kTagEnd);
  }

  std::string EnumerationItem(std::string text, bool remember) {
    if (!enumIndentKnown_) {
      enumIndent_ = LeadingZenkakuSpaces(text).size();
      if (remember) enumIndentKnown_ = true;
    }
    if (enumIndent_ > 0 && text.size() > enumIndent_) {
      // Only indentation goes: an item indented less than the first keeps its text.
      text.erase(0, std::min(enumIndent_, LeadingZenkakuSpaces(text).size()));
    }
    return OpenWithId(tags::kItemIdOpen, s_.ComboBoxLI_ID) + text + std::string(tags::kItemClose);
  }

  std::string BlockLine(std::string text, std::string_view pos, std::string_view cls) const {
    if (s_.SpinEditQuotationLeadingZSP > 0 && !doc_.QuotationLeadSpaces.empty() &&
        sjis::StartsWith(text, doc_.QuotationLeadSpaces)) {
      text.erase(0, doc_.QuotationLeadSpaces.size());
    }
    const std::string anchor =
        std::string(tags::kAnchorIdOpen) + Id() + std::string(tags::kAnchorIdClose);
    if (pos == "0") {
      return OpenWithId(tags::kParagraphIdOpen, cls) + text + std::string(tags::kParagraphClose);
    }
    if (pos == "1") return OpenWithId(tags::kParagraphIdOpen, cls) + text + std::string(tags::kBr);
    if (pos == "2") return anchor + text + std::string(tags::kBr);
    if (pos == "3") return anchor + text + std::string(tags::kParagraphClose);
    return {};
  }

  const Settings& s_;
  Document& doc_;
  LineSink& out_;
  std::size_t row_ = 0;
  // Kinds of this row and its neighbours; the previous one is kept, since
  // the row it came from may be gone.
  std::string_view kind_, nextKind_, prevKind_;
  CellText<7> lastKind_, prevKindStore_;
  bool bodyStarted_ = false, preOpen_ = false, headerPreOpen_ = false, footerPreOpen_ = false;
  bool inComment_ = false, inQuotation_ = false, inContentBlock_ = false, inRoster_ = false;
  bool enumIndentKnown_ = false;
  std::size_t enumIndent_ = 0;
  bool shortParagraphPending_ = false, speakerSeen_ = false;
  long long longParagraphCounter_ = 0;
  std::string lastCategoryCode_;
  std::unordered_map<std::string, SpeakerClassMark> styles_;
  std::unordered_set<std::string> legendSeen_;
};

BodyConverter::BodyConverter(const Settings& settings, Document& doc, LineSink& out)
    : impl_(std::make_unique<Impl>(settings, doc, out)) {}
BodyConverter::~BodyConverter() = default;

void BodyConverter::Row(std::size_t r, const LineRow& row, std::string_view nextKind) {
  impl_->Row(r, row, nextKind);
}

void BodyConverter::Finish() {
  impl_->Finish();
}

int MakeContentsHTML(const Settings& settings, Document& doc) {
  ListAppend body(doc.BodyHTMLList);
  BodyConverter converter(settings, doc, body);
  const LineTable& table = doc.MinutesTextStringGrid;
  const std::size_t n = table.RowCount();
  for (std::size_t r = 1; r <= n; ++r) {
    converter.Row(r, table.Row(r), r < n ? table.Row(r + 1).LineKind.view() : std::string_view());
  }
  converter.Finish();
  return 0;
}

}  // namespace korva

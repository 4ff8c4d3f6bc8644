// The HTML tokenizer behind the syntax colouring: tags, attribute names,
// values, comments, entities and text each get their own colour.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "tools/rtf_syntax.h"

namespace korva {

// Token kinds of the HTML tokenizer.
enum class HtmlToken {
  Entity = 0,
  Asp = 1,
  Comment = 2,
  Identifier = 3,  // attribute name or other word inside a tag
  KnownTag = 4,
  End = 5,
  Space = 6,   // blanks and line breaks
  String = 7,  // quoted string that is not a value
  Symbol = 8,  // "<", ">", "="
  Text = 9,
  UnknownTag = 10,
  Value = 11,
};

// Where the tokenizer stands.
enum class HtmlRange { Asp, Comment, TagStart, InsideTag, Text, Value };

// The \cf index a token kind is written with.
int HtmlTokenColorIndex(HtmlToken kind);

class TqlxHTMLRTF : public TqlxRTFSyntax {
 public:
  TqlxHTMLRTF();

  void Next() override;
  bool AtEnd() const override { return kind_ == HtmlToken::End; }
  std::string_view GetToken() const override;
  int GetTokenKind() const override { return HtmlTokenColorIndex(kind_); }
  void SetDefaultColors() override;

  // Tokenizes one line (without its break) as if the text before it had left
  // the tokenizer in `range`; no token reaches over a line break, so this
  // gives the same tokens as the whole text. The line is not copied.
  void StartLine(std::string_view line, HtmlRange range);

  HtmlToken TokenId() const { return kind_; }
  HtmlRange Range() const { return range_; }

 protected:
  void SetTextBuffer(const char* chars, std::size_t length) override;

 private:
  using Proc = void (TqlxHTMLRTF::*)();
  static const std::array<Proc, 256>& Dispatch();

  unsigned char At(std::size_t pos) const {
    return pos < length_ ? static_cast<unsigned char>(text_[pos]) : 0;
  }
  bool AtLineEnd(std::size_t pos) const {
    return pos >= length_ || text_[pos] == '\r' || text_[pos] == '\n';
  }
  std::size_t EntityLength(std::size_t pos) const;

  void AspProc();
  void CommentProc();
  void TextProc();
  void NullProc();
  void LineFeedProc();
  void CarriageReturnProc();
  void SpaceProc();
  void LessThanProc();
  void GreaterThanProc();
  void EqualProc();
  void QuoteProc();
  void AmpersandProc();
  void OtherProc();
  void TagWordProc();

  const char* text_ = "";
  std::size_t length_ = 0;
  std::size_t pos_ = 0;
  std::size_t tokenStart_ = 0;
  HtmlToken kind_ = HtmlToken::End;
  HtmlRange range_ = HtmlRange::Text;
};

// The coloured RTF document of an HTML text.
std::string HtmlToRtf(std::string html);

}  // namespace korva

#include "tools/html_rtf.h"

#include "tools/html_names.h"

namespace korva {

namespace {

constexpr RgbColor kConstructorColors[] = {0x008000, 0x800000, 0xFF0000, 0xFF0000,
                                           0x0000FF, 0x008000, 0xFF00FF, 0x0000FF,
                                           0x000000, 0x000000, 0x000000};
constexpr RgbColor kDefaultColors[] = {0x008000, 0x800000, 0x000000, 0x0000FF, 0x000000, 0x008000,
                                       0x0000FF, 0x000000, 0xFF0000, 0x000000, 0x000000};

}  // namespace

int HtmlTokenColorIndex(HtmlToken kind) {
  switch (kind) {
    case HtmlToken::Asp:
      return 1;
    case HtmlToken::Comment:
      return 2;
    case HtmlToken::Identifier:
      return 3;
    case HtmlToken::KnownTag:
      return 4;
    case HtmlToken::Space:
      return 5;
    case HtmlToken::String:
      return 6;
    case HtmlToken::Symbol:
      return 7;
    case HtmlToken::Text:
      return 8;
    case HtmlToken::UnknownTag:
      return 9;
    case HtmlToken::Value:
      return 10;
    case HtmlToken::Entity:
      return 11;
    case HtmlToken::End:
      break;
  }
  return 0;
}

TqlxHTMLRTF::TqlxHTMLRTF() {
  SetColorTable(kConstructorColors);
}

void TqlxHTMLRTF::SetDefaultColors() {
  SetColorTable(kDefaultColors);
}

const std::array<TqlxHTMLRTF::Proc, 256>& TqlxHTMLRTF::Dispatch() {
  static const std::array<Proc, 256> table = [] {
    std::array<Proc, 256> t{};
    for (int c = 0; c < 256; ++c) {
      Proc proc = &TqlxHTMLRTF::OtherProc;
      switch (c) {
        case 0:
          proc = &TqlxHTMLRTF::NullProc;
          break;
        case '\n':
          proc = &TqlxHTMLRTF::LineFeedProc;
          break;
        case '\r':
          proc = &TqlxHTMLRTF::CarriageReturnProc;
          break;
        case '<':
          proc = &TqlxHTMLRTF::LessThanProc;
          break;
        case '>':
          proc = &TqlxHTMLRTF::GreaterThanProc;
          break;
        case '=':
          proc = &TqlxHTMLRTF::EqualProc;
          break;
        case '"':
          proc = &TqlxHTMLRTF::QuoteProc;
          break;
        case '&':
          proc = &TqlxHTMLRTF::AmpersandProc;
          break;
        default:
          if (c <= ' ') proc = &TqlxHTMLRTF::SpaceProc;
      }
      t[static_cast<std::size_t>(c)] = proc;
    }
    return t;
  }();
  return table;
}

void TqlxHTMLRTF::SetTextBuffer(const char* chars, std::size_t length) {
  text_ = chars;
  length_ = length;
  pos_ = 0;
  tokenStart_ = 0;
  range_ = HtmlRange::Text;
  Next();
}

void TqlxHTMLRTF::StartLine(std::string_view line, HtmlRange range) {
  text_ = line.data();
  length_ = line.size();
  pos_ = 0;
  tokenStart_ = 0;
  range_ = range;
  Next();
}

std::string_view TqlxHTMLRTF::GetToken() const {
  return {text_ + tokenStart_, pos_ - tokenStart_};
}

std::size_t TqlxHTMLRTF::EntityLength(std::size_t pos) const {
  return EntityLengthAt(std::string_view(text_ + pos, length_ - pos));
}

void TqlxHTMLRTF::Next() {
  tokenStart_ = pos_;
  const unsigned char c = At(pos_);
  switch (range_) {
    case HtmlRange::Asp:
      if (!AtLineEnd(pos_)) return AspProc();
      break;
    case HtmlRange::Comment:
      if (!AtLineEnd(pos_)) return CommentProc();
      break;
    case HtmlRange::Text:
      if (pos_ < length_ && c >= ' ' && c != '<') return TextProc();
      break;
    default:
      break;
  }
  (this->*Dispatch()[c])();
}

// Runs to the closing mark (included, back to text) or to the end of the line.
void TqlxHTMLRTF::AspProc() {
  kind_ = HtmlToken::Asp;
  while (!AtLineEnd(pos_)) {
    if (text_[pos_] == '%' && At(pos_ + 1) == '>') {
      pos_ += 2;
      range_ = HtmlRange::Text;
      return;
    }
    ++pos_;
  }
}

void TqlxHTMLRTF::CommentProc() {
  kind_ = HtmlToken::Comment;
  while (!AtLineEnd(pos_)) {
    if (text_[pos_] == '-' && At(pos_ + 1) == '-' && At(pos_ + 2) == '>') {
      pos_ += 3;
      range_ = HtmlRange::Text;
      return;
    }
    ++pos_;
  }
}

// Text between tags, up to a tag, a control character or an entity.
void TqlxHTMLRTF::TextProc() {
  if (text_[pos_] == '&') {
    if (const std::size_t n = EntityLength(pos_)) {
      kind_ = HtmlToken::Entity;
      pos_ += n;
      return;
    }
  }
  kind_ = HtmlToken::Text;
  ++pos_;
  while (pos_ < length_) {
    const auto c = static_cast<unsigned char>(text_[pos_]);
    if (c < ' ' || c == '<') break;
    if (c == '&' && EntityLength(pos_) != 0) break;
    ++pos_;
  }
}

void TqlxHTMLRTF::NullProc() {
  // Only the real end of the text ends it; a NUL byte inside is a blank.
  if (pos_ < length_) return SpaceProc();
  kind_ = HtmlToken::End;
}

void TqlxHTMLRTF::LineFeedProc() {
  kind_ = HtmlToken::Space;
  ++pos_;
}

void TqlxHTMLRTF::CarriageReturnProc() {
  kind_ = HtmlToken::Space;
  ++pos_;
  if (At(pos_) == '\n' && pos_ < length_) ++pos_;
}

void TqlxHTMLRTF::SpaceProc() {
  kind_ = HtmlToken::Space;
  ++pos_;
  while (pos_ < length_) {
    const auto c = static_cast<unsigned char>(text_[pos_]);
    if (c > ' ' || c == '\r' || c == '\n') break;
    ++pos_;
  }
}

void TqlxHTMLRTF::LessThanProc() {
  const std::string_view rest(text_ + pos_, length_ - pos_);
  if (rest.starts_with("<!--")) {
    range_ = HtmlRange::Comment;
    kind_ = HtmlToken::Comment;
    pos_ += 4;
  } else if (rest.starts_with("<%")) {
    range_ = HtmlRange::Asp;
    kind_ = HtmlToken::Asp;
    pos_ += 2;
  } else {
    range_ = HtmlRange::TagStart;
    kind_ = HtmlToken::Symbol;
    ++pos_;
  }
}

void TqlxHTMLRTF::GreaterThanProc() {
  range_ = HtmlRange::Text;
  kind_ = HtmlToken::Symbol;
  ++pos_;
}

void TqlxHTMLRTF::EqualProc() {
  range_ = HtmlRange::Value;
  kind_ = HtmlToken::Symbol;
  ++pos_;
}

// A quoted string runs to its closing quote or to the end of the line.
void TqlxHTMLRTF::QuoteProc() {
  if (range_ == HtmlRange::Value) {
    kind_ = HtmlToken::Value;
    range_ = HtmlRange::InsideTag;
  } else {
    kind_ = HtmlToken::String;
  }
  ++pos_;
  while (!AtLineEnd(pos_)) {
    if (text_[pos_++] == '"') return;
  }
}

void TqlxHTMLRTF::AmpersandProc() {
  if (const std::size_t n = EntityLength(pos_)) {
    kind_ = HtmlToken::Entity;
    range_ = HtmlRange::Text;
    pos_ += n;
    return;
  }
  OtherProc();
}

void TqlxHTMLRTF::OtherProc() {
  if (range_ == HtmlRange::TagStart) return TagWordProc();
  ++pos_;
  if (range_ == HtmlRange::Value) {
    kind_ = HtmlToken::Value;
    range_ = HtmlRange::InsideTag;
    while (pos_ < length_ && static_cast<unsigned char>(text_[pos_]) >= 33 && text_[pos_] != '>') {
      ++pos_;
    }
    return;
  }
  kind_ = HtmlToken::Identifier;
  while (pos_ < length_) {
    const auto c = static_cast<unsigned char>(text_[pos_]);
    if (c < 33 || c == '"' || c == '=' || c == '>') break;
    ++pos_;
  }
}

void TqlxHTMLRTF::TagWordProc() {
  range_ = HtmlRange::InsideTag;
  const std::string_view rest(text_ + pos_, length_ - pos_);
  const std::string_view word = rest.substr(0, TagWordLength(rest));
  // A byte that starts no tag name is a word inside the tag, never an empty token.
  if (word.empty()) return OtherProc();
  pos_ += word.size();
  const int hash = TagWordHash(word);
  if (hash >= kTagHashLimit) {
    kind_ = HtmlToken::Identifier;
  } else {
    kind_ = IsKnownTagWord(word, hash) ? HtmlToken::KnownTag : HtmlToken::UnknownTag;
  }
}

std::string HtmlToRtf(std::string html) {
  TqlxHTMLRTF writer;
  writer.SetText(std::move(html));
  return writer.ConvertToString();
}

}  // namespace korva

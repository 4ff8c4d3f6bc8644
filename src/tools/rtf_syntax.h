// A writer that turns the tokens of a syntax into one coloured RTF document.
// Derived classes supply the tokenizer; each token's kind names its colour
// (the \cf index into the colour table).
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace korva {

// 0xRRGGBB.
using RgbColor = std::uint32_t;

enum class FontFamily { DontCare, Roman, Swiss, Modern, Script, Decorative, Other };

// Character set 128 (Shift_JIS) and a Japanese fixed-pitch font the platform has.
inline constexpr int kShiftJisCharset = 128;
#ifdef _WIN32
inline constexpr const char* kJapaneseMonospaceFont = "MS Gothic";
#else
inline constexpr const char* kJapaneseMonospaceFont = "IPAGothic";  // fonts-ipafont-gothic
#endif

struct RtfFont {
  std::string name;
  FontFamily family = FontFamily::DontCare;
  int charset = 0;  // 0, 1, 2, 128 and 255 have keywords; others get none
};

// The colour index a token is written with: a token whose text, trimmed,
// begins with "//" takes 2, a value (10) that begins with a double quote 6;
// otherwise its kind's own index.
int TokenColorIndex(int kindIndex, std::string_view token);
// Unrecognised tag names (index 9) are also bold.
inline constexpr int kBoldColorIndex = 9;

class TqlxRTFSyntax {
 public:
  TqlxRTFSyntax();
  virtual ~TqlxRTFSyntax() = default;
  TqlxRTFSyntax(const TqlxRTFSyntax&) = delete;
  TqlxRTFSyntax& operator=(const TqlxRTFSyntax&) = delete;

  // Appends `text` (CP932) to `out` with "\", "{" and "}" escaped and every
  // character above ASCII as a Unicode escape with its CP932 bytes as fallback.
  virtual void EscapeText(std::string_view text, std::string& out) const;
  // Appends the coloured form of an already escaped token to `out`.
  virtual void FormatToken(int colorIndex, std::string_view text, std::string& out) const;

  // The tokenizer: the current token, its colour index, the next token.
  virtual void Next() = 0;
  virtual bool AtEnd() const = 0;
  virtual std::string_view GetToken() const = 0;
  virtual int GetTokenKind() const = 0;

  std::string ColorToRTF(RgbColor color) const;
  // Starts tokenizing `text` (kept by the writer) from its beginning.
  void SetText(std::string text);
  void SetFonts(std::span<const RtfFont> fonts);
  void SetColorTable(std::span<const RgbColor> colors);
  virtual void SetDefaultColors();

  // The whole document; each call starts again at the beginning of the text.
  void SaveToStream(std::ostream& stream);
  std::string ConvertToString();
  // The same handed to `write` in pieces of about `pieceSize` bytes, so that
  // a large document (six times its HTML) is never held whole.
  using PieceWriter = std::function<void(std::string_view)>;
  void ConvertInPieces(const PieceWriter& write, std::size_t pieceSize = 1 << 20);

  const std::string& ColorTable() const { return colorTable_; }
  const std::string& FontTable() const { return fontTable_; }

 protected:
  virtual void SetTextBuffer(const char* chars, std::size_t length) = 0;

 private:
  // Appends the document to `out`, handing it to `write` (when given) each
  // time it reaches `pieceSize`, and at the end.
  void Convert(std::string& out, const PieceWriter* write, std::size_t pieceSize);

  std::string text_;
  std::string header_;
  std::string fontTableEnd_ = "}\r\n";
  std::string paragraphSetup_ = "\\deflang1033\\pard\\plain\\f0\\fs20\\uc2";
  std::string colorTable_;
  std::string fontTable_;
  int codePage_ = 932;
};

}  // namespace korva

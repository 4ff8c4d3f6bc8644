#include "app/qt_text.h"

#include "text/codec.h"

namespace korva::app {

namespace {

// Stray bytes (never below 0x80: every ASCII byte is CP932) map into a
// private-use block that CP932's own user-defined area does not reach.
constexpr char16_t kStrayByteBase = 0xF700;

bool IsStrayByteChar(QChar c) {
  return c.unicode() >= kStrayByteBase + 0x80 && c.unicode() <= kStrayByteBase + 0xFF;
}

void AppendDecoded(std::string_view cp932, QString& out) {
  const std::string utf8 = Cp932ToUtf8(cp932);
  out += QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

QString FromCp932(std::string_view cp932) {
  QString out;
  while (!cp932.empty()) {
    try {
      AppendDecoded(cp932, out);
      break;
    } catch (const CodecError& error) {
      const std::size_t bad = error.offset();
      AppendDecoded(cp932.substr(0, bad), out);
      out += QChar(static_cast<char16_t>(kStrayByteBase + static_cast<unsigned char>(cp932[bad])));
      cp932.remove_prefix(bad + 1);
    }
  }
  return out;
}

std::string ToCp932(const QString& text) {
  std::string out;
  qsizetype from = 0;
  auto flush = [&](qsizetype to) {
    if (to > from) out += Utf8ToCp932(text.mid(from, to - from).toStdString());
  };
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (!IsStrayByteChar(text[i])) continue;
    flush(i);
    out += static_cast<char>(text[i].unicode() - kStrayByteBase);
    from = i + 1;
  }
  flush(text.size());
  return out;
}

int QtLengthOfCp932(std::string_view cp932, std::size_t byteCount) {
  return static_cast<int>(FromCp932(cp932.substr(0, byteCount)).size());
}

}  // namespace korva::app

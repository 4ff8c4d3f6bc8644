#include "intake/charset_label.h"

#include <array>

#include "text/sjis.h"

namespace korva {

namespace {

using sjis::Case;

constexpr std::array<const char*, 18> kLabelsS = {
    "shift_jis", "s_jis",     "sjis",      "s-jis",  "xjis",        "x-jis",
    "SHIFT_JIS", "shift-jis", "SHIFT-JIS", "S-JIS",  "X-JIS",       "shift-jis",
    "UTF-8",     "utf-8",     "EUC-JP",    "euc-jp", "ISO-2022-JP", "iso-2022-jp"};
constexpr std::array<const char*, 18> kLabelsB = {
    "shift_jis", "s_jis",     "sjis",      "s-jis",  "xjis",        "x-sjis",
    "SHIFT_JIS", "shift-jis", "SHIFT-JIS", "S-JIS",  "X-SJIS",      "shift-jis",
    "UTF-8",     "utf-8",     "EUC-JP",    "euc-jp", "ISO-2022-JP", "iso-2022-jp"};

void First(std::string& text, std::string_view from, std::string_view to) {
  text = sjis::ReplaceFirst(text, from, to, Case::Sensitive);
}
void All(std::string& text, std::string_view from, std::string_view to) {
  text = sjis::ReplaceAll(text, from, to, Case::IgnoreAscii);
}

}  // namespace

void Utf8LabelRewriter::Rewrite(std::string& piece) {
  static constexpr std::pair<std::string_view, std::string_view> kRules[] = {
      {"charset=Shift_JIS\"", "charset=UTF-8\""},
      {"encoding=\"Shift_JIS\"?>", "encoding=\"utf-8\"?>"},
      {"encoding=\"Shift_JIS'?>", "encoding=\"utf-8'?>"},
      {"\"Shift_JIS\"", "\"UTF-8\""},
      {"\"shift_jis\"", "\"UTF-8\""},
      {"'Shift_JIS'", "\"UTF-8\""},
      {"'Shift_JIS'", "\"UTF-8\""},
  };
  static_assert(std::size(kRules) == std::tuple_size_v<decltype(done_)>);
  for (std::size_t i = 0; i < std::size(kRules); ++i) {
    if (done_[i]) continue;
    const auto& [from, to] = kRules[i];
    const std::size_t at = sjis::Find(piece, from);
    if (at == sjis::npos) continue;
    piece.replace(at, from.size(), to);
    done_[i] = true;
  }
}

std::string ReplaceCharsetLabel(std::string_view input, int mode) {
  std::string text(input);
  switch (mode) {
    case 0:
      for (const char* quote : {"\"", "'"}) {
        for (int pass = 0; pass < 2; ++pass) {
          for (const char* label : kLabelsS) {
            First(text, std::string("charset=") + label + quote,
                  std::string("charset=Shift_JIS") + quote);
          }
        }
      }
      First(text, " encoding=\"UTF-8\"", " encoding=\"Shift_JIS\"");
      First(text, " encoding=\"utf-8\"", " encoding=\"Shift_JIS\"");
      First(text, " charset=\"UTF-8\"", " charset=\"Shift_JIS\"");
      First(text, " charset=\"utf-8\"", " charset=\"Shift_JIS\"");
      break;
    case 1:
      All(text, " charset=Shift_JIS\"", " charset=euc-jp\"");
      break;
    case 2:
      Utf8LabelRewriter().Rewrite(text);
      break;
    case 3:
      for (const char* label : kLabelsB) {
        All(text, std::string(label) + "\"", "Shift_JIS\"");
      }
      break;
    case 4:
      All(text, "Shift_JIS\"", "iso-2022-jp\"");
      break;
    case 5:
      All(text, "Shift_JIS\"", "utf-8\"");
      break;
    default:
      break;
  }
  return text;
}

}  // namespace korva

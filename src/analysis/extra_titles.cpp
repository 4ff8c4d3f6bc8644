#include "analysis/extra_titles.h"

#include <charconv>

#include "text/literal.h"
#include "text/sjis.h"
#include "text/string_helpers.h"

namespace korva {
using namespace literals;

namespace {

// One item: the title, then a run of spaces, then the code.
bool ParseItem(std::string_view item, YakushokuTable& out) {
  const std::string trimmed = ZenkakuTrim(item);
  const std::string_view s(trimmed);
  std::size_t codeStart = s.size();
  while (codeStart > 0 && s[codeStart - 1] >= '0' && s[codeStart - 1] <= '9') --codeStart;
  if (codeStart == s.size()) return false;
  int code = 0;
  std::from_chars(s.data() + codeStart, s.data() + s.size(), code);
  if (code < 1 || code > 14 || s.size() - codeStart > 2) return false;
  // The digits must stand apart from the title, which must hold no space.
  std::string title = ZenkakuTrimRight(s.substr(0, codeStart));
  if (title.size() == codeStart || title.empty() || title != DeleteAllSpaces(title)) return false;
  out = {std::move(title), std::to_string(code)};
  return true;
}

}  // namespace

std::vector<YakushokuTable> ParseExtraTitles(std::string_view cp932,
                                             std::vector<std::string>* rejected) {
  std::vector<YakushokuTable> titles;
  const std::string text = sjis::ReplaceAll(cp932, "、"_sj, ",");
  std::string_view rest(text);
  while (!rest.empty()) {
    // ',' is below the trail-byte range: a byte search finds whole characters.
    const std::size_t comma = rest.find(',');
    const std::string_view item = rest.substr(0, comma);
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    if (ZenkakuTrim(item).empty()) continue;
    YakushokuTable record;
    if (ParseItem(item, record)) {
      titles.push_back(std::move(record));
    } else if (rejected) {
      rejected->push_back(ZenkakuTrim(item));
    }
  }
  return titles;
}

std::vector<YakushokuTable> ExtraTitlesOf(const Settings& settings,
                                          std::vector<std::string>* rejected) {
  return ParseExtraTitles(ExtraTitlesText(settings, settings.RadioGroupCategory), rejected);
}

}  // namespace korva

#include "publishing/link_check.h"

#include <unordered_set>

#include "publishing/line_substitution.h"
#include "text/path_text.h"
#include "text/sjis.h"

namespace korva {

namespace {

// Calls `take` with the value of every `name="..."` attribute, in document
// order. Every such attribute ends in `="`, which a byte search finds
// quickly; the name before it (letter case ignored) must start a character
// and stand alone: "grid=" is not "id=".
template <typename Take>
void ForEachAttributeValue(std::string_view html, std::string_view name, Take take) {
  std::size_t pos = 0;
  for (std::size_t q = html.find("=\"", name.size()); q != std::string_view::npos;
       q = html.find("=\"", q + 1)) {
    const std::size_t at = q - name.size();
    if (at < pos) continue;
    bool same = true;
    for (std::size_t i = 0; i < name.size() && same; ++i) {
      same = sjis::AsciiLower(html[at + i]) == sjis::AsciiLower(name[i]);
    }
    if (!same || !IsCharBoundary(html, at)) continue;
    const bool alone = at == 0 || html[at - 1] == ' ' || html[at - 1] == '\t' ||
                       html[at - 1] == '\n' || html[at - 1] == '\r';
    const std::size_t start = q + 2;
    const std::size_t end = sjis::Find(html, "\"", start);
    if (end == sjis::npos) break;
    if (alone) take(html.substr(start, end - start));
    pos = end + 1;
    q = end;
  }
}

bool EndsWith(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// A bare name of one of the three files of a set ("x-n.html", "x-v.html", "x-h.html").
bool IsSiblingFile(std::string_view href) {
  if (href.find_first_of("/:") != std::string_view::npos || sjis::Contains(href, "\\")) {
    return false;
  }
  return EndsWith(href, "-n.html") || EndsWith(href, "-v.html") || EndsWith(href, "-h.html");
}

}  // namespace

std::vector<std::string> ExtractAttributeValues(const std::string& html, const std::string& name) {
  std::vector<std::string> values;
  ForEachAttributeValue(html, name, [&](std::string_view value) { values.emplace_back(value); });
  return values;
}

std::vector<LinkProblem> FindBrokenLinksInFile(const std::string& name, std::string_view text,
                                               const std::set<std::string>& fileNames) {
  std::unordered_set<std::string_view> ids;
  ForEachAttributeValue(text, "id", [&](std::string_view id) { ids.insert(id); });
  std::vector<LinkProblem> problems;
  ForEachAttributeValue(text, "href", [&](std::string_view href) {
    // As a browser reads it: the file up to the first "#", percent-decoded.
    // A raw "#" inside a file name ("h26#1-n.html") leaves "h26" for the file.
    // "#" is ASCII below 0x40, never the second byte of a character.
    const std::size_t hash = href.find('#');
    const std::string file = PercentDecode(href.substr(0, hash));
    bool ok = true;
    if (file.empty()) {
      ok = hash == std::string_view::npos || ids.count(PercentDecode(href.substr(hash + 1))) > 0;
    } else if (IsSiblingFile(href) || IsSiblingFile(file)) {
      ok = fileNames.count(file) > 0;
    }
    if (!ok) problems.push_back({name, std::string(href)});
  });
  return problems;
}

std::vector<LinkProblem> FindBrokenLinks(const std::map<std::string, std::string>& files) {
  std::set<std::string> names;
  for (const auto& entry : files) names.insert(entry.first);
  std::vector<LinkProblem> problems;
  for (const auto& [name, text] : files) {
    for (LinkProblem& problem : FindBrokenLinksInFile(name, text, names)) {
      problems.push_back(std::move(problem));
    }
  }
  return problems;
}

}  // namespace korva

#include "publishing/link_check.h"

#include <set>

#include "text/sjis.h"

namespace korva {

std::vector<std::string> ExtractAttributeValues(const std::string& html, const std::string& name) {
  std::vector<std::string> values;
  const auto fold = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  // Every `name="` ends in `="`, which a byte search finds quickly; the name
  // before it (letter case ignored) must start where a character starts,
  // which a forward walk from the last known character start tells.
  std::size_t pos = 0, boundary = 0;
  for (std::size_t q = html.find("=\"", name.size()); q != std::string::npos;
       q = html.find("=\"", q + 1)) {
    const std::size_t at = q - name.size();
    if (at < pos) continue;
    bool same = true;
    for (std::size_t i = 0; i < name.size() && same; ++i)
      same = fold(html[at + i]) == fold(name[i]);
    if (!same) continue;
    if (boundary < pos) boundary = pos;
    while (boundary < at) boundary += sjis::CharLength(html, boundary);
    if (boundary != at) continue;
    // The attribute name must stand alone: "grid=" is not "id=".
    const bool alone = at == 0 || html[at - 1] == ' ' || html[at - 1] == '\t' ||
                       html[at - 1] == '\n' || html[at - 1] == '\r';
    const std::size_t start = q + 2;
    const std::size_t end = sjis::Find(html, "\"", start);
    if (end == sjis::npos) break;
    if (alone) values.push_back(html.substr(start, end - start));
    pos = end + 1;
    q = end;
  }
  return values;
}

namespace {

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// A bare name of one of the three files of a set ("x-n.html", "x-v.html", "x-h.html").
bool IsSiblingFile(const std::string& href) {
  if (href.find_first_of("/:") != std::string::npos || sjis::Contains(href, "\\")) return false;
  return EndsWith(href, "-n.html") || EndsWith(href, "-v.html") || EndsWith(href, "-h.html");
}

}  // namespace

std::vector<LinkProblem> FindBrokenLinks(const std::map<std::string, std::string>& files) {
  std::vector<LinkProblem> problems;
  for (const auto& [name, text] : files) {
    const std::vector<std::string> idList = ExtractAttributeValues(text, "id");
    const std::set<std::string> ids(idList.begin(), idList.end());
    for (const std::string& href : ExtractAttributeValues(text, "href")) {
      const bool ok = !href.empty() && href[0] == '#' ? ids.count(href.substr(1)) > 0
                      : IsSiblingFile(href)           ? files.count(href) > 0
                                                      : true;
      if (!ok) problems.push_back({name, href});
    }
  }
  return problems;
}

}  // namespace korva

#include "publishing/link_check.h"

#include <set>

#include "text/sjis.h"

namespace korva {

std::vector<std::string> ExtractAttributeValues(const std::string& html, const std::string& name) {
  std::vector<std::string> values;
  const std::string open = name + "=\"";
  std::size_t pos = 0;
  while ((pos = sjis::Find(html, open, pos, sjis::Case::IgnoreAscii)) != sjis::npos) {
    // The attribute name must stand alone: "grid=" is not "id=".
    const bool alone = pos == 0 || html[pos - 1] == ' ' || html[pos - 1] == '\t' ||
                       html[pos - 1] == '\n' || html[pos - 1] == '\r';
    const std::size_t start = pos + open.size();
    const std::size_t end = sjis::Find(html, "\"", start);
    if (end == sjis::npos) break;
    if (alone) values.push_back(html.substr(start, end - start));
    pos = end + 1;
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

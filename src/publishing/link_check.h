// Link integrity of generated HTML: every in-page link must name an id of the
// same file, and links to sibling files must name files of the set.
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace korva {

// Values of every id="..." / href="..." attribute, in document order.
std::vector<std::string> ExtractAttributeValues(const std::string& html, const std::string& name);

struct LinkProblem {
  std::string file;
  std::string href;
};

// Checks one file of a set, reading each href as a browser does (the file up
// to the first "#", percent-decoded): href="#x" needs an id "x" in the same
// file; an href naming a bare file of a set (no folder, ending "-n.html",
// "-v.html" or "-h.html") needs that file in `fileNames`. Other hrefs (return
// links, other sites) are not checked.
std::vector<LinkProblem> FindBrokenLinksInFile(const std::string& name, std::string_view text,
                                               const std::set<std::string>& fileNames);

// The same for every file of `files` (bare file name -> text).
std::vector<LinkProblem> FindBrokenLinks(const std::map<std::string, std::string>& files);

}  // namespace korva

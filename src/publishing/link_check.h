// Link integrity of generated HTML: every in-page link must name an id of the
// same file, and links to sibling files must name files of the set.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <unordered_set>
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

// The values of one attribute name in a text that grows at its end: each
// call scans the lines added since the last, and keeps the place of a value
// that has not closed yet.
class AttributeStream {
 public:
  using Take = std::function<void(std::string_view)>;
  explicit AttributeStream(std::string_view name) : name_(name) {}
  // `last`: the text is complete, its last line included.
  void Scan(std::string_view text, bool last, const Take& take);
  // Where the text still to be scanned starts; the text before it may go.
  std::size_t Start() const { return start_; }
  void Shift(std::size_t dropped) { start_ -= dropped; }

 private:
  std::string_view name_;
  std::size_t start_ = 0;
  std::size_t skip_ = 0;  // 1 when the byte at start_ is only the one before a name
};

// FindBrokenLinksInFile for a file read in pieces of any size, and read
// twice: first for its links, then for the ids they name. Only the lines not
// yet scanned are held, with the links and the ids they name; a page's
// thousands of other ids are never kept.
class LinkChecker {
 public:
  LinkChecker(std::string name, const std::set<std::string>& fileNames);
  // The file's text, in order: first the whole file for its links, then,
  // after StartIds, the whole file again for its ids.
  void Feed(std::string_view piece);
  void StartIds();
  std::vector<LinkProblem> Finish();

 private:
  void Scan(bool last);

  std::string name_;
  const std::set<std::string>& fileNames_;
  std::string text_;
  bool readingIds_ = false;
  AttributeStream ids_{"id"}, hrefs_{"href"};
  std::vector<std::string> links_;
  std::unordered_set<std::string> wanted_;  // ids the in-page links name
  std::unordered_set<std::string> found_;   // those of them the file holds
};

// The same for every file of `files` (bare file name -> text).
std::vector<LinkProblem> FindBrokenLinks(const std::map<std::string, std::string>& files);

}  // namespace korva

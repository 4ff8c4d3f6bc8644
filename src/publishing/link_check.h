// Link integrity of generated HTML: every in-page link must name an id of the
// same file, and links to sibling files must name files of the set.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
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

// FindBrokenLinksInFile for a file seen in pieces of any size, once, as it
// is written. Only the lines not yet scanned are held, with the links and
// the ids: the ids in one text, without a string each.
class LinkChecker {
 public:
  explicit LinkChecker(std::string name) : name_(std::move(name)) {}
  // The file's text, in order.
  void Feed(std::string_view piece);
  std::vector<LinkProblem> Finish(const std::set<std::string>& fileNames);

 private:
  // Scans `text` (the held lines and a new piece) and keeps what is left.
  void Scan(std::string_view text, bool last);
  // The slot that holds `id`, else the free one where it would go.
  std::size_t FindSlot(std::string_view id, std::uint64_t hash) const;
  // Adds the ids the last scan found (pendingIds_).
  void AddPendingIds();
  // Doubles the table of ids.
  void Grow();
  std::string_view Link(const std::pair<std::size_t, std::size_t>& link) const {
    return std::string_view(linkText_).substr(link.first, link.second);
  }

  std::string name_;
  std::string text_;
  // The held text is what is still to be scanned; `skip_` is 1 when its
  // first byte is only the one before an attribute name.
  std::size_t skip_ = 0;
  // Every href, in order, as (offset, length) in one text.
  std::string linkText_;
  std::vector<std::pair<std::size_t, std::size_t>> links_;
  // Every id, each as its length (8 bytes) and its bytes in one text,
  // found through an open-addressed table of offsets into it.
  std::string idText_;
  std::vector<std::uint64_t> idSlots_;
  std::size_t idCount_ = 0;
  // The ids of one scan, with their hashes, until they go into the table.
  std::vector<std::pair<std::string_view, std::uint64_t>> pendingIds_;
};
// The same for every file of `files` (bare file name -> text).
std::vector<LinkProblem> FindBrokenLinks(const std::map<std::string, std::string>& files);

}  // namespace korva

#include "publishing/link_check.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>
#include <utility>

#include "publishing/line_substitution.h"
#include "text/path_text.h"
#include "text/sjis.h"

namespace korva {

namespace {

// Where a scan of `text` for one attribute name stopped.
struct ScanStop {
  bool complete;       // every value in `text` was taken
  std::size_t resume;  // else: where the unclosed value's name starts
};

// Calls `take` with the value of every `name="..."` attribute of `text`
// from byte `from` on (a character boundary; a byte before it is only looked
// at), in document order. Every such attribute ends in `="`, which a byte
// search finds quickly; the name before it (letter case ignored) must start
// a character and stand alone: "grid=" is not "id=". Stops at a value that
// does not close.
template <typename Take>
ScanStop ScanAttributeValues(std::string_view text, std::size_t from, std::string_view name,
                             Take take) {
  std::size_t pos = from;
  std::size_t known = from;  // a character boundary at or before every candidate to come
  for (std::size_t q = text.find("=\"", from + name.size()); q != std::string_view::npos;
       q = text.find("=\"", q + 1)) {
    const std::size_t at = q - name.size();
    if (at < pos) continue;
    bool same = true;
    for (std::size_t i = 0; i < name.size() && same; ++i) {
      same = sjis::AsciiLower(text[at + i]) == sjis::AsciiLower(name[i]);
    }
    if (!same || !sjis::StartsCharacter(text, known, at)) continue;
    const bool alone = at == 0 || text[at - 1] == ' ' || text[at - 1] == '\t' ||
                       text[at - 1] == '\n' || text[at - 1] == '\r';
    const std::size_t start = q + 2;
    // '"' is below 0x40, never the second byte of a character.
    const std::size_t end = text.find('"', start);
    if (end == std::string_view::npos) return {false, at};
    if (alone) take(text.substr(start, end - start));
    pos = end + 1;
    q = end;
  }
  return {true, text.size()};
}

template <typename Take>
void ForEachAttributeValue(std::string_view html, std::string_view name, Take take) {
  ScanAttributeValues(html, 0, name, take);
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

// Whether `href` leads somewhere, read as a browser reads it: the file up to
// the first "#", percent-decoded. A raw "#" inside a file name
// ("h26#1-n.html") leaves "h26" for the file. "#" is ASCII below 0x40, never
// the second byte of a character.
template <typename HasId>
bool LeadsSomewhere(std::string_view href, const HasId& hasId,
                    const std::set<std::string>& fileNames) {
  const std::size_t hash = href.find('#');
  const std::string file = PercentDecode(href.substr(0, hash));
  if (file.empty()) {
    return hash == std::string_view::npos || hasId(PercentDecode(href.substr(hash + 1)));
  }
  if (IsSiblingFile(href) || IsSiblingFile(file)) return fileNames.count(file) > 0;
  return true;
}

}  // namespace

std::vector<std::string> ExtractAttributeValues(const std::string& html, const std::string& name) {
  std::vector<std::string> values;
  ForEachAttributeValue(html, name, [&](std::string_view value) { values.emplace_back(value); });
  return values;
}

void AttributeStream::Scan(std::string_view text, bool last, const Take& take) {
  // Only whole lines are scanned before the end: a line break stands
  // between attributes, and the byte after it starts a character.
  const std::size_t limit = last ? text.size() : text.rfind('\n', text.size()) + 1;
  if (limit <= start_ + skip_ && !last) return;
  const std::string_view lines = text.substr(0, limit);
  const ScanStop stop = ScanAttributeValues(lines.substr(start_), skip_, name_, take);
  if (stop.complete || last) {
    start_ = limit;
    skip_ = 0;
    return;
  }
  // The unclosed value is scanned again with more text, from its name; the
  // byte before the name still tells whether the name stands alone.
  const std::size_t at = start_ + stop.resume;
  skip_ = at > 0 ? 1 : 0;
  start_ = at - skip_;
}

void LinkChecker::Feed(std::string_view piece) {
  // A writer hands over whole lines as a rule: nothing is held between them.
  if (text_.empty()) {
    Scan(piece, false);
  } else {
    text_.append(piece);
    Scan(text_, false);
  }
}

std::vector<LinkProblem> LinkChecker::Finish(const std::set<std::string>& fileNames) {
  Scan(text_, true);
  std::vector<LinkProblem> problems;
  const auto hasId = [&](const std::string& id) { return HasId(id); };
  for (const auto& link : links_) {
    const std::string_view href = Link(link);
    if (!LeadsSomewhere(href, hasId, fileNames)) problems.push_back({name_, std::string(href)});
  }
  return problems;
}

void LinkChecker::Scan(std::string_view text, bool last) {
  ids_.Scan(text, last, [&](std::string_view id) { AddId(id); });
  hrefs_.Scan(text, last, [&](std::string_view href) {
    links_.emplace_back(linkText_.size(), href.size());
    linkText_.append(href);
  });
  // What both have scanned is let go.
  const std::size_t done = std::min(ids_.Start(), hrefs_.Start());
  ids_.Shift(done);
  hrefs_.Shift(done);
  if (text.data() == text_.data()) {
    text_.erase(0, done);
  } else {
    text_.assign(text.substr(done));
  }
}

namespace {

std::uint64_t IdHash(std::string_view id) {
  return std::hash<std::string_view>{}(id);
}

std::string_view StoredId(const std::string& idText, std::uint64_t slot) {
  const std::size_t at = slot - 1;
  std::uint64_t size;
  std::memcpy(&size, idText.data() + at, sizeof size);
  return std::string_view(idText).substr(at + sizeof size, size);
}

}  // namespace

bool LinkChecker::HasId(std::string_view id) const {
  return !idSlots_.empty() && idSlots_[FindSlot(id, IdHash(id))] != 0;
}

std::size_t LinkChecker::FindSlot(std::string_view id, std::uint64_t hash) const {
  const std::size_t mask = idSlots_.size() - 1;
  std::size_t i = hash & mask;
  while (idSlots_[i] != 0 && StoredId(idText_, idSlots_[i]) != id) i = (i + 1) & mask;
  return i;
}

void LinkChecker::AddId(std::string_view id) {
  const std::uint64_t hash = IdHash(id);
  if (!idSlots_.empty() && idSlots_[FindSlot(id, hash)] != 0) return;
  // Kept at most half full, so that a search ends soon at a free slot.
  if (2 * (idCount_ + 1) > idSlots_.size()) {
    std::vector<std::uint64_t> old(std::max<std::size_t>(64, idSlots_.size() * 2), 0);
    old.swap(idSlots_);
    const std::size_t mask = idSlots_.size() - 1;
    for (const std::uint64_t slot : old) {
      if (slot == 0) continue;
      std::size_t i = IdHash(StoredId(idText_, slot)) & mask;
      while (idSlots_[i] != 0) i = (i + 1) & mask;
      idSlots_[i] = slot;
    }
  }
  idSlots_[FindSlot(id, hash)] = idText_.size() + 1;
  const std::uint64_t size = id.size();
  idText_.append(reinterpret_cast<const char*>(&size), sizeof size).append(id);
  ++idCount_;
}

std::vector<LinkProblem> FindBrokenLinksInFile(const std::string& name, std::string_view text,
                                               const std::set<std::string>& fileNames) {
  std::unordered_set<std::string_view> ids;
  ForEachAttributeValue(text, "id", [&](std::string_view id) { ids.insert(id); });
  std::vector<LinkProblem> problems;
  const auto hasId = [&](const std::string& id) { return ids.count(id) > 0; };
  ForEachAttributeValue(text, "href", [&](std::string_view href) {
    if (!LeadsSomewhere(href, hasId, fileNames)) problems.push_back({name, std::string(href)});
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

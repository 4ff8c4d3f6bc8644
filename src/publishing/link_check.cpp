#include "publishing/link_check.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <unordered_set>
#include <utility>

#include "publishing/line_substitution.h"
#include "text/path_text.h"
#include "text/sjis.h"

namespace korva {

namespace {

// Where a scan of `text` for attribute names stopped.
struct ScanStop {
  bool complete;       // every value in `text` was taken
  std::size_t resume;  // else: where the first unclosed value's name starts
};

// Calls `take(k, value)` with the value of every `names[k]="..."` attribute
// of `text` from byte `from` on (a character boundary; a byte before it is
// only looked at), in document order. Every such attribute ends in `="`,
// which one byte search finds for all the names; the name before it (letter
// case ignored) must start a character and stand alone: "grid=" is not
// "id=". Each name is read as if scanned alone: the value of one name hides
// no attribute from another. Stops at a value that does not close.
template <std::size_t N, typename Take>
ScanStop ScanAttributeValues(std::string_view text, std::size_t from,
                             const std::array<std::string_view, N>& names, Take take) {
  std::array<std::size_t, N> pos, known;  // per name: where it may match next; a boundary
  pos.fill(from);
  known.fill(from);
  std::size_t shortest = text.size();
  for (std::string_view name : names) shortest = std::min(shortest, name.size());
  for (std::size_t q = text.find("=\"", from + shortest); q != std::string_view::npos;
       q = text.find("=\"", q + 1)) {
    for (std::size_t k = 0; k < N; ++k) {
      const std::string_view name = names[k];
      if (q < from + name.size()) continue;
      const std::size_t at = q - name.size();
      if (at < pos[k]) continue;
      bool same = true;
      for (std::size_t i = 0; i < name.size() && same; ++i) {
        same = sjis::AsciiLower(text[at + i]) == sjis::AsciiLower(name[i]);
      }
      if (!same || !sjis::StartsCharacter(text, known[k], at)) continue;
      const bool alone = at == 0 || text[at - 1] == ' ' || text[at - 1] == '\t' ||
                         text[at - 1] == '\n' || text[at - 1] == '\r';
      const std::size_t start = q + 2;
      // '"' is below 0x40, never the second byte of a character. A value
      // that does not close leaves no later value closed either.
      const std::size_t end = text.find('"', start);
      if (end == std::string_view::npos) return {false, at};
      if (alone) take(k, text.substr(start, end - start));
      pos[k] = end + 1;
    }
  }
  return {true, text.size()};
}

constexpr std::array<std::string_view, 2> kIdAndHref = {"id", "href"};

std::uint64_t IdHash(std::string_view id) {
  return std::hash<std::string_view>{}(id);
}

// Asks for the memory at `p` to be brought into the cache.
void Prefetch(const void* p) {
#if defined(__GNUC__)
  __builtin_prefetch(p);
#else
  (void)p;
#endif
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

// A percent-decoded text: most links hold no "%", and are taken as they are.
class Decoded {
 public:
  explicit Decoded(std::string_view text) : view_(text) {
    if (text.find('%') == std::string_view::npos) return;
    decoded_ = PercentDecode(text);
    view_ = decoded_;
  }
  Decoded(const Decoded&) = delete;
  Decoded& operator=(const Decoded&) = delete;
  std::string_view view() const { return view_; }

 private:
  std::string_view view_;
  std::string decoded_;
};

// Whether `href` leads somewhere, read as a browser reads it: the file up to
// the first "#", percent-decoded. A raw "#" inside a file name
// ("h26#1-n.html") leaves "h26" for the file. "#" is ASCII below 0x40, never
// the second byte of a character.
template <typename HasId>
bool LeadsSomewhere(std::string_view href, const HasId& hasId,
                    const std::set<std::string>& fileNames) {
  const std::size_t hash = href.find('#');
  const Decoded decodedFile(href.substr(0, hash));
  const std::string_view file = decodedFile.view();
  if (file.empty()) {
    return hash == std::string_view::npos || hasId(Decoded(href.substr(hash + 1)).view());
  }
  if (IsSiblingFile(href) || IsSiblingFile(file)) return fileNames.count(std::string(file)) > 0;
  return true;
}

}  // namespace

std::vector<std::string> ExtractAttributeValues(const std::string& html, const std::string& name) {
  std::vector<std::string> values;
  ScanAttributeValues(html, 0, std::array<std::string_view, 1>{name},
                      [&](std::size_t, std::string_view value) { values.emplace_back(value); });
  return values;
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
  // The hashes of the ids the links ask for come first, so that each slot
  // is fetched a few lookups ahead, as the ids were added.
  std::vector<std::uint64_t> asked;
  const auto ask = [&](std::string_view id) {
    asked.push_back(IdHash(id));
    return true;
  };
  for (const auto& link : links_) LeadsSomewhere(Link(link), ask, fileNames);
  constexpr std::size_t kAhead = 8;
  std::size_t next = 0;
  const auto hasId = [&](std::string_view id) {
    if (idSlots_.empty()) return false;
    const std::size_t mask = idSlots_.size() - 1;
    if (next + kAhead < asked.size()) Prefetch(&idSlots_[asked[next + kAhead] & mask]);
    return idSlots_[FindSlot(id, asked[next++])] != 0;
  };
  std::vector<LinkProblem> problems;
  for (const auto& link : links_) {
    const std::string_view href = Link(link);
    if (!LeadsSomewhere(href, hasId, fileNames)) problems.push_back({name_, std::string(href)});
  }
  return problems;
}

void LinkChecker::Scan(std::string_view text, bool last) {
  // Only whole lines are scanned before the end: a line break stands
  // between attributes, and the byte after it starts a character.
  const std::size_t limit = last ? text.size() : text.rfind('\n', text.size()) + 1;
  std::size_t kept = 0;  // where the text still to be scanned starts
  if (limit > skip_ || last) {
    const ScanStop stop = ScanAttributeValues(
        text.substr(0, limit), skip_, kIdAndHref, [&](std::size_t k, std::string_view value) {
          if (k == 0) {
            pendingIds_.emplace_back(value, IdHash(value));
          } else {
            links_.emplace_back(linkText_.size(), value.size());
            linkText_.append(value);
          }
        });
    AddPendingIds();
    if (stop.complete || last) {
      kept = limit;
      skip_ = 0;
    } else {
      // The unclosed value is scanned again with more text, from its name;
      // the byte before the name still tells whether the name stands alone.
      skip_ = stop.resume > 0 ? 1 : 0;
      kept = stop.resume - skip_;
    }
  }
  if (text.data() == text_.data()) {
    text_.erase(0, kept);
  } else {
    text_.assign(text.substr(kept));
  }
}

namespace {

// A slot holds the offset of an id in the id text (+1; 0 is a free slot) in
// its low bits and the top bits of the id's hash above them: most slots that
// hold another id are passed over without reading the id text, which lies
// elsewhere in memory.
constexpr int kOffsetBits = 48;
constexpr std::uint64_t kOffsetMask = (std::uint64_t{1} << kOffsetBits) - 1;

std::uint64_t Tag(std::uint64_t hash) {
  return hash & ~kOffsetMask;
}

std::string_view StoredIdAt(const std::string& idText, std::size_t at) {
  std::uint64_t size;
  std::memcpy(&size, idText.data() + at, sizeof size);
  return std::string_view(idText).substr(at + sizeof size, size);
}

}  // namespace

std::size_t LinkChecker::FindSlot(std::string_view id, std::uint64_t hash) const {
  const std::size_t mask = idSlots_.size() - 1;
  const std::uint64_t tag = Tag(hash);
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const std::uint64_t slot = idSlots_[i];
    if (slot == 0) return i;
    if (Tag(slot) == tag && StoredIdAt(idText_, (slot & kOffsetMask) - 1) == id) return i;
  }
}

void LinkChecker::Grow() {
  // The ids are taken again in the order they came, from their one text.
  idSlots_.assign(std::max<std::size_t>(64, idSlots_.size() * 2), 0);
  const std::size_t mask = idSlots_.size() - 1;
  for (std::size_t at = 0; at < idText_.size();) {
    const std::string_view stored = StoredIdAt(idText_, at);
    const std::uint64_t hash = IdHash(stored);
    std::size_t i = hash & mask;
    while (idSlots_[i] != 0) i = (i + 1) & mask;
    idSlots_[i] = Tag(hash) | (at + 1);
    at += sizeof(std::uint64_t) + stored.size();
  }
}

void LinkChecker::AddPendingIds() {
  // Kept at most half full, so that a search ends soon at a free slot.
  while (2 * (idCount_ + pendingIds_.size()) > idSlots_.size()) Grow();
  // The slots of the ids a few places on are fetched while this one goes
  // in: a large file's table is not in the cache, and each id would
  // otherwise wait for its slot in turn.
  constexpr std::size_t kAhead = 8;
  const std::size_t mask = idSlots_.size() - 1;
  for (std::size_t i = 0; i < pendingIds_.size(); ++i) {
    if (i + kAhead < pendingIds_.size()) Prefetch(&idSlots_[pendingIds_[i + kAhead].second & mask]);
    const auto& [id, hash] = pendingIds_[i];
    std::uint64_t& slot = idSlots_[FindSlot(id, hash)];
    if (slot != 0) continue;
    slot = Tag(hash) | (idText_.size() + 1);
    const std::uint64_t size = id.size();
    idText_.append(reinterpret_cast<const char*>(&size), sizeof size).append(id);
    ++idCount_;
  }
  pendingIds_.clear();
}

std::vector<LinkProblem> FindBrokenLinksInFile(const std::string& name, std::string_view text,
                                               const std::set<std::string>& fileNames) {
  std::unordered_set<std::string_view> ids;
  std::vector<std::string_view> hrefs;
  ScanAttributeValues(text, 0, kIdAndHref, [&](std::size_t k, std::string_view value) {
    k == 0 ? void(ids.insert(value)) : hrefs.push_back(value);
  });
  std::vector<LinkProblem> problems;
  const auto hasId = [&](std::string_view id) { return ids.count(id) > 0; };
  for (std::string_view href : hrefs) {
    if (!LeadsSomewhere(href, hasId, fileNames)) problems.push_back({name, std::string(href)});
  }
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

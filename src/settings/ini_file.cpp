#include "settings/ini_file.h"

#include <algorithm>
#include <unordered_set>

#include "text/codec.h"
#include "text/sjis.h"

namespace korva {
namespace {

constexpr std::size_t npos = std::string::npos;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view s) {
  // Space and tab are below the trail-byte range, so byte trimming is safe.
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char FoldAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The name with its single-byte letters lower-cased, for hashing.
std::string FoldName(std::string_view name) {
  std::string folded(name);
  for (std::size_t i = 0; i < folded.size(); i += sjis::CharLength(folded, i)) {
    folded[i] = FoldAscii(folded[i]);
  }
  return folded;
}

}  // namespace

bool IniNamesEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  std::size_t i = 0;
  while (i < a.size()) {
    const std::size_t len = sjis::CharLength(a, i);
    if (len == 2) {
      if (a.substr(i, 2) != b.substr(i, 2)) return false;
    } else if (FoldAscii(a[i]) != FoldAscii(b[i])) {
      return false;
    }
    i += len;
  }
  return true;
}

IniFile::Line IniFile::Classify(std::string text) {
  Line line;
  line.text = std::move(text);
  std::string_view body = TrimBlanks(line.text);
  if (body.empty() || body.front() == ';' || body.front() == '#') return line;
  if (body.front() == '[') {
    const std::size_t close = sjis::Find(body, "]", 1);
    if (close != sjis::npos) {
      line.kind = Kind::Section;
      line.name = std::string(TrimBlanks(body.substr(1, close - 1)));
    }
    return line;
  }
  // '=' lies below the trail-byte range, so the first byte match is the first character.
  const std::size_t eq = line.text.find('=');
  if (eq == npos) return line;
  const std::string_view key = TrimBlanks(std::string_view(line.text).substr(0, eq));
  if (key.empty()) return line;
  line.kind = Kind::Entry;
  line.name = std::string(key);
  line.valueStart = eq + 1;
  return line;
}

IniFile IniFile::Parse(std::string_view bytes) {
  IniFile ini;
  // Hand edits in a modern editor often arrive as UTF-8, whose Japanese would
  // be read as other characters; say so instead of guessing.
  const bool bom = bytes.substr(0, 3) == "\xEF\xBB\xBF";
  const bool nonAscii = std::any_of(bytes.begin(), bytes.end(),
                                    [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  if (bom || (nonAscii && IsValidUtf8(bytes) && !IsValidCp932(bytes))) {
    ini.problems_.push_back({1, "the file looks like UTF-8; settings files are read as Shift_JIS"});
  }
  // Sets, not lists: a hand-made file may hold thousands of keys in one section.
  std::unordered_set<std::string> seenSections;
  std::unordered_set<std::string> seenKeys;  // of the current section, folded
  bool inSection = false;
  bool duplicateSection = false;
  std::size_t lineNo = 0;
  for (auto& text : sjis::SplitLines(bytes)) {
    ++lineNo;
    const bool valid = IsValidCp932(text);
    Line line = Classify(std::move(text));
    if (!valid) {
      ini.problems_.push_back({lineNo, "bytes that are not Shift_JIS (kept as they are)"});
    }
    switch (line.kind) {
      case Kind::Section: {
        inSection = true;
        seenKeys.clear();
        duplicateSection = !seenSections.insert(FoldName(line.name)).second;
        if (duplicateSection) {
          ini.problems_.push_back({lineNo, "section [" + Cp932ToUtf8Lossy(line.name) +
                                               "] appears again; its entries are not read"});
        }
        break;
      }
      case Kind::Entry: {
        if (!inSection) {
          ini.problems_.push_back({lineNo, "entry outside any section (not read)"});
          break;
        }
        if (duplicateSection) break;
        if (!seenKeys.insert(FoldName(line.name)).second) {
          ini.problems_.push_back({lineNo, "key " + Cp932ToUtf8Lossy(line.name) +
                                               " appears again in its section; the first is read"});
        }
        break;
      }
      case Kind::Other: {
        std::string_view body = TrimBlanks(line.text);
        if (!body.empty() && body.front() != ';' && body.front() != '#') {
          ini.problems_.push_back({lineNo, body.front() == '=' ? "entry without a key (not read)"
                                                               : "line without \"=\" (not read)"});
        }
        break;
      }
    }
    ini.lines_.push_back(std::move(line));
  }
  return ini;
}

std::size_t IniFile::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == Kind::Section && IniNamesEqual(lines_[i].name, section)) return i;
  }
  return npos;
}

std::size_t IniFile::SectionEnd(std::size_t header) const {
  std::size_t i = header + 1;
  while (i < lines_.size() && lines_[i].kind != Kind::Section) ++i;
  return i;
}

bool IniFile::HasSection(std::string_view section) const {
  return FindSection(section) != npos;
}

std::size_t IniFile::FindEntry(std::string_view section, std::string_view key) const {
  const std::size_t header = FindSection(section);
  if (header == npos) return npos;
  const std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    if (lines_[i].kind == Kind::Entry && IniNamesEqual(lines_[i].name, key)) return i;
  }
  return npos;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
  const std::size_t i = FindEntry(section, key);
  if (i == npos) return std::nullopt;
  const Line& line = lines_[i];
  return std::string(TrimBlanks(std::string_view(line.text).substr(line.valueStart)));
}

std::size_t IniFile::LineNo(std::string_view section, std::string_view key) const {
  const std::size_t i = FindEntry(section, key);
  return i == npos ? 0 : i + 1;
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view rawValue) {
  // A line break inside a value would end the entry and could start a new
  // section; CR and LF are below the trail-byte range, so bytes are safe here.
  std::string value(rawValue);
  for (char& c : value) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  std::size_t header = FindSection(section);
  if (header == npos) {
    Line head;
    head.text = "[" + std::string(section) + "]";
    head.kind = Kind::Section;
    head.name = std::string(section);
    lines_.push_back(std::move(head));
    header = lines_.size() - 1;
  }
  const std::size_t end = SectionEnd(header);
  std::size_t insertAt = header + 1;
  for (std::size_t i = header + 1; i < end; ++i) {
    Line& line = lines_[i];
    if (line.kind == Kind::Entry && IniNamesEqual(line.name, key)) {
      // Keep the key as the file spells it; only the value changes.
      line.text = line.name + "=" + std::string(value);
      line.valueStart = line.name.size() + 1;
      return;
    }
    if (!TrimBlanks(line.text).empty()) insertAt = i + 1;
  }
  Line entry;
  entry.text = std::string(key) + "=" + std::string(value);
  entry.kind = Kind::Entry;
  entry.name = std::string(key);
  entry.valueStart = key.size() + 1;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(entry));
}

std::string IniFile::Serialize() const {
  std::string out;
  for (const auto& line : lines_) {
    out += line.text;
    out += "\r\n";
  }
  return out;
}

}  // namespace korva

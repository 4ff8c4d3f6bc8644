// An INI text kept line by line, so that a save changes only the values it
// writes: unknown sections and keys, comments, blank lines, garbage and the
// order of the file all survive. Text is CP932; sections and keys are found
// without regard to ASCII letter case (whole characters only, so a trail
// byte that happens to be a letter never folds); values are kept exactly as
// written, without quoting.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korva {

// Something the parser could not make sense of; the line is kept as it is.
struct IniProblem {
  std::size_t lineNo;       // 1-based
  std::string description;  // UTF-8
};

class IniFile {
 public:
  IniFile() = default;
  static IniFile Parse(std::string_view bytes);

  // The value of the first `key` in the first section named `section`.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  bool HasSection(std::string_view section) const;
  // The 1-based line of that entry, 0 when there is none.
  std::size_t LineNo(std::string_view section, std::string_view key) const;

  // Replaces the value of the first matching key where it stands. A missing
  // key is added after the last entry of its section, a missing section at
  // the end of the file.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // The whole text with CR LF after every line.
  std::string Serialize() const;

  const std::vector<IniProblem>& Problems() const { return problems_; }

 private:
  enum class Kind { Other, Section, Entry };
  struct Line {
    std::string text;  // the line as read (or as last written)
    Kind kind = Kind::Other;
    std::string name;            // section name or key, trimmed
    std::size_t valueStart = 0;  // Entry: byte offset of the value in `text`
  };

  static Line Classify(std::string text);
  // Index of the header line of the first section named `section`, or npos.
  std::size_t FindSection(std::string_view section) const;
  // Index of the line of the first `key` in the first `section`, or npos.
  std::size_t FindEntry(std::string_view section, std::string_view key) const;
  // [first, last) line range of the section body that starts after `header`.
  std::size_t SectionEnd(std::size_t header) const;

  std::vector<Line> lines_;
  std::vector<IniProblem> problems_;
};

// Equality of ASCII-case-folded CP932 text, character by character.
bool IniNamesEqual(std::string_view a, std::string_view b);

}  // namespace korva

// The preparation of exported minutes: any selection of the proposed changes
// applies, applying them all loses no character but the page markers it
// names and adds nothing but marks, and preparing again comes to rest.
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "fuzz_entries.h"
#include "prepare/prepare.h"
#include "support/characters.h"
#include "text/codec.h"
#include "text/literal.h"
#include "text/sjis.h"
#include "text/string_helpers.h"

namespace korva::fuzz {

using namespace literals;
using testing::Characters;

// Input: the meeting category (0..7), then the minutes text.
std::string PrepareMinutesText(std::string_view input) {
  Settings settings;
  settings.RadioGroupCategory = TakeOptions(input) % 8;
  std::vector<std::string> lines = sjis::SplitLines(input);
  const PrepareResult result = PrepareMinutes(lines, settings);
  std::vector<std::string> prepared;
  try {
    prepared = ApplyPrepareChanges(lines, result.changes);
  } catch (const std::invalid_argument& e) {
    return std::string("the changes do not fit the text they were made for: ") + e.what();
  }
  // No change needs another: every other one applies as well.
  std::vector<bool> alternate(result.changes.size());
  for (std::size_t i = 0; i < alternate.size(); i += 2) alternate[i] = true;
  try {
    ApplyPrepareChanges(lines, result.changes, alternate);
  } catch (const std::invalid_argument& e) {
    return std::string("a selection of the changes does not apply: ") + e.what();
  }
  // A change can make another possible (a "。" line joined to a fragment
  // makes a sentence a lone designation may join), so preparing again may
  // propose more; it must come to rest.
  std::vector<std::string> settled = prepared;
  for (int round = 1;; ++round) {
    const PrepareResult again = PrepareMinutes(settled, settings);
    if (again.changes.empty()) break;
    if (round == 3) {
      return "the text is still changed after three preparations, at line " +
             std::to_string(again.changes[0].line);
    }
    settled = ApplyPrepareChanges(settled, again.changes);
  }

  // Characters are compared only where they are characters: a lone lead
  // byte at a line's end would pair with the next line once they are joined.
  if (!IsValidCp932(input)) return {};
  const auto output = Characters(prepared);
  for (auto it = result.report.pageMarkers.rbegin(); it != result.report.pageMarkers.rend(); ++it) {
    if (it->line == 0 || it->line > lines.size() || ZenkakuTrim(lines[it->line - 1]) != it->text) {
      return "a page marker is not the line it names: " + std::to_string(it->line);
    }
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(it->line - 1));
  }
  const auto original = Characters(lines);
  static const std::set<std::string> marks = {"■"_sj, "＼"_sj, "（"_sj, "）"_sj, "￥"_sj, "　"_sj};
  std::size_t matched = 0;
  for (const std::string& ch : output) {
    if (matched < original.size() && original[matched] == ch) {
      ++matched;
    } else if (!marks.count(ch)) {
      return "added a character that is no mark: " + Cp932ToUtf8Lossy(ch);
    }
  }
  if (matched != original.size()) {
    return "lost the character " + Cp932ToUtf8Lossy(original[matched]) + " (" +
           std::to_string(matched) + " of " + std::to_string(original.size()) + " kept)";
  }
  return {};
}

}  // namespace korva::fuzz

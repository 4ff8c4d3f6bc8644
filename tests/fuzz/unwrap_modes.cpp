// The forced-line-break tool, both modes on the same lines: the marking keeps
// every line it does not drop, adds "＼" to exactly the lines the paragraph
// conversion joins, and the two agree line for line.
#include <string>
#include <vector>

#include "fuzz_entries.h"
#include "intake/forced_breaks.h"
#include "text/literal.h"
#include "text/sjis.h"

namespace korva::fuzz {

using namespace literals;

// Input: two option bytes (lower limit 0..20, the setting's range; line
// limit 0..127), a byte of space options, then the pasted text.
std::string UnwrapModes(std::string_view input) {
  ForcedBreakOptions options;
  options.lowerLimit = TakeOptions(input) % 21;
  options.lineLimit = TakeOptions(input) % 128;
  const unsigned char spaces = TakeOptions(input);
  options.removeHalfSpaces = spaces & 1;
  options.changeHalfSpaces = spaces & 2;
  const std::vector<std::string> lines = sjis::SplitLines(input);

  std::vector<std::string> marked;
  const std::string markedText = MarkForcedBreaks(lines, options, marked);
  const std::string joined = ConvertForcedBreaks(lines, options);
  // The paragraph mode alone drops a single leading blank, and the space
  // options change the text after the lines are made: those are compared
  // only by what they run into.
  if (options.removeHalfSpaces || options.changeHalfSpaces) return {};
  for (const std::string& line : lines) {
    if (!line.empty() && line[0] == ' ') return {};
  }
  if (markedText != sjis::JoinLines(marked, true)) return "the marked text is not its lines";

  // Each marked line is an input line as it was, or with "＼" added (as
  // bytes: after a lone lead byte the mark is no character of its own).
  const std::string& mark = "＼"_sj;
  std::string expected;
  std::size_t next = 0;
  for (const std::string& line : marked) {
    bool found = false;
    for (; next < lines.size() && !found; ++next) {
      const std::string& in = lines[next];
      const bool same = line == in;
      // Only a line that reaches the line limit is marked: a shorter one
      // that was dropped must not be taken for the mark's owner.
      const bool added = !same && static_cast<long long>(in.size()) >= options.lineLimit &&
                         line.size() == in.size() + mark.size() &&
                         line.compare(0, in.size(), in) == 0 &&
                         line.compare(in.size(), mark.size(), mark) == 0;
      if (!same && !added) continue;
      found = true;
      expected += in;
      if (same) expected += "\r\n";
    }
    if (!found) return "a marked line is no input line";
  }
  if (joined != expected) return "the paragraphs differ from the marked lines";
  return {};
}

}  // namespace korva::fuzz

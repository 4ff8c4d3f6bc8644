#include <algorithm>
#include <stdexcept>

#include "prepare/prepare.h"
#include "text/sjis.h"

namespace korva {

std::vector<std::string> ApplyPrepareChanges(const std::vector<std::string>& lines,
                                             const std::vector<PrepareChange>& changes,
                                             const std::vector<bool>& chosen) {
  if (chosen.size() != changes.size()) {
    throw std::invalid_argument("one choice is needed for each change");
  }
  std::vector<const PrepareEdit*> edits;
  for (std::size_t i = 0; i < changes.size(); ++i) {
    if (!chosen[i]) continue;
    for (const PrepareEdit& edit : changes[i].edits) edits.push_back(&edit);
  }
  // An insertion before a line goes ahead of a replacement of that line.
  std::stable_sort(edits.begin(), edits.end(), [](const PrepareEdit* a, const PrepareEdit* b) {
    return a->line != b->line ? a->line < b->line : (a->count == 0 && b->count != 0);
  });

  std::vector<std::string> out;
  out.reserve(lines.size() + 2 * edits.size());
  std::size_t next = 1;  // the next line to copy as it is
  for (const PrepareEdit* edit : edits) {
    if (edit->line < next || edit->line == 0 || edit->line + edit->count > lines.size() + 1) {
      throw std::invalid_argument("the changes do not fit these lines");
    }
    out.insert(out.end(), lines.begin() + static_cast<std::ptrdiff_t>(next - 1),
               lines.begin() + static_cast<std::ptrdiff_t>(edit->line - 1));
    out.insert(out.end(), edit->lines.begin(), edit->lines.end());
    next = edit->line + edit->count;
  }
  out.insert(out.end(), lines.begin() + static_cast<std::ptrdiff_t>(next - 1), lines.end());
  return out;
}

std::vector<std::string> ApplyPrepareChanges(const std::vector<std::string>& lines,
                                             const std::vector<PrepareChange>& changes) {
  return ApplyPrepareChanges(lines, changes, std::vector<bool>(changes.size(), true));
}

std::string ApplyPrepareChangesToText(std::string_view text,
                                      const std::vector<PrepareChange>& changes,
                                      const std::vector<bool>& chosen) {
  std::string lineBreak = "\r\n";
  if (const std::size_t at = text.find_first_of("\r\n"); at != std::string_view::npos) {
    lineBreak = text.compare(at, 2, "\r\n") == 0 ? "\r\n" : std::string(1, text[at]);
  }
  const bool finalBreak = !text.empty() && (text.back() == '\n' || text.back() == '\r');
  const std::vector<std::string> lines =
      ApplyPrepareChanges(sjis::SplitLines(text), changes, chosen);
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    out += lines[i];
    if (i + 1 < lines.size() || finalBreak) out += lineBreak;
  }
  return out;
}

}  // namespace korva

// Assembly of one two-pane file: the body twice, once per pane, with the ids
// of each pane prefixed apart, and the two-pane navigation list.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "session/document.h"
#include "session/line_sink.h"
#include "settings/settings.h"

namespace korva {

// Two-pane modes: the layout marker "%hol%" becomes "" (0), "h2pane-" (1) or "v2pane-" (2).
inline constexpr int kPaneNone = 0;
inline constexpr int kPaneHorizontal = 1;
inline constexpr int kPaneVertical = 2;

// One body line for a pane, appended to `out`: every id="..." gets
// `idPrefix` in front and the layout marker becomes the mode's class prefix.
void AppendTwoPaneBodyLine(std::string& out, std::string_view line, int mode,
                           std::string_view idPrefix);

// The same in two steps, so that both panes share the first: where the line
// changes (appended to `edits`), then the line with those changes.
void FindPaneEdits(std::string_view line, std::vector<std::size_t>& edits);
void ApplyPaneEdits(std::string& out, std::string_view line, std::span<const std::size_t> edits,
                    int mode, std::string_view idPrefix);

// One two-pane navigation line as written into the file: unchanged when
// `duplicate` is false; otherwise the line linking into the first pane and,
// except for the head and end lines, a copy without its number linking into
// the second pane. `plain`: the line holds no "@", "￣" or "＼" (nor then do
// the lines made from it), so they are written as plain lines.
void AddTwoPaneNavLines(LineSink& out, const std::string& line, bool duplicate, bool plain = false);

struct PaneFrame {
  std::string open, close;
};

// Where and how one set writes its two-pane files.
struct TwoPaneSet {
  const StringList& headList;
  const StringList& topFrameList;
  const std::string& verticalPath;
  const std::string& horizontalPath;
  // Saves the lines it is given as the file at a path: 0 when written.
  std::function<int(const std::string& path, const LineProducer& lines)> save;
};

// Writes the vertical and then the horizontal file of a set, each as it is
// assembled: at 100k lines of minutes a two-pane file is some 30 MB, and it
// is never needed again. 0 when both were written, else -1.
int SaveTwoPaneFiles(const Settings& settings, Document& doc, const TwoPaneSet& set);

// The pane frames of the vertical and horizontal files.
PaneFrame TopPane();
PaneFrame BottomPane();
PaneFrame LeftPane();
PaneFrame RightPane();

}  // namespace korva

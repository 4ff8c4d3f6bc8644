// The local three-file set: the normal file "-n.html" and the two two-pane
// files "-v.html" and "-h.html" in the three-file folder.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>

#include "session/document.h"
#include "session/line_sink.h"
#include "session/ui.h"
#include "settings/settings.h"

namespace korva {

// The bare names and full paths of one set in `folder` for `fileName`
// (extension dropped; "dummy" when there is none).
struct SetPaths {
  std::string normalName, verticalName, horizontalName;
  std::string normalPath, verticalPath, horizontalPath;
};
SetPaths MakeSetPaths(const std::string& folder, const std::string& fileName);

// Writes the files of one set through `write` (true when every file was
// written) and replaces the old set only as a whole, then reports each of
// `paths` as saved. 0 when the set was replaced; -1 when nothing of it was,
// with the reason shown and no file reported as saved.
using SavedReport = void (*)(const Document&, Ui&, const std::string& path);
int SaveAsOneSet(const Document& doc, Ui& ui, const std::function<bool()>& write,
                 std::initializer_list<const std::string*> paths, SavedReport reportSaved);

// Resolves the placeholders in the lines `produce` gives and writes them as
// one file. -1 when there are no lines or the write failed (reported by the
// writer), else 0.
int SaveFrameHTML(const Settings& settings, Document& doc, Ui& ui, const std::string& path,
                  const LineProducer& produce);

// Builds the navigation lists and the normal file, sets the three paths and
// bare names, and saves "-n.html". 0 when saved, else -1 (nothing written
// when the HTML-save or three-file folder is unset or missing).
int MakeUniteHTML(Settings& settings, Document& doc, Ui& ui);

// Builds and saves "-v.html" and "-h.html" (after MakeUniteHTML set the paths).
int LocalBuild2Pane(const Settings& settings, Document& doc, Ui& ui);

// The command: checks, then the three files, then the browser. 0 when all
// three were written, else -1.
int tbBuildTwoPaneClick(Settings& settings, Document& doc, Ui& ui);
inline int MenuTextMakeLocalHTMLAllClick(Settings& settings, Document& doc, Ui& ui) {
  return tbBuildTwoPaneClick(settings, doc, ui);
}

// The normal-file command: only "-n.html", from the converted body.
int MenuTextMakeNormalClick(Settings& settings, Document& doc, Ui& ui);
inline int tbMakeNomalClick(Settings& settings, Document& doc, Ui& ui) {
  return MenuTextMakeNormalClick(settings, doc, ui);
}

}  // namespace korva

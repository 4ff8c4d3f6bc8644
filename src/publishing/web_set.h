// The web-publishing set: the same three files as the local set, written into
// the web folder with the web settings and addresses built from a domain.
#pragma once

#include <string>
#include <string_view>

#include "session/document.h"
#include "session/line_sink.h"
#include "session/ui.h"
#include "settings/settings.h"

namespace korva {

// The web placeholder substitution; "@domain@" is replaced last so that it
// may stand inside the address settings.
std::string WebChangeAttmark(std::string_view text, const Settings& settings, const Document& doc);

// The web normal file (kind 1), line by line into `out`.
void MakeWebNormalFile(const Settings& settings, const Document& doc, int kind, LineSink& out);

// -1 when there are no lines or the write failed, else 0.
int SaveWebFrameHTML(const Settings& settings, Document& doc, Ui& ui, const std::string& path,
                     const LineProducer& produce);

// Builds and saves the web "-n.html" and sets the web paths. -1 (nothing
// written) when the web folder is unset or missing.
int MakeWebUniteHTML(Settings& settings, Document& doc, Ui& ui);

// Builds and saves the web "-v.html" and "-h.html".
int WebBuild2Pane(const Settings& settings, Document& doc, Ui& ui);

// The command. 0 when all three files were written, else -1.
int tbMakeWebHTMLClick(Settings& settings, Document& doc, Ui& ui);
inline int MenuTextMakeWebHTMLAllClick(Settings& settings, Document& doc, Ui& ui) {
  return tbMakeWebHTMLClick(settings, doc, ui);
}

}  // namespace korva

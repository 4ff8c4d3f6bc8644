// The preview panes' browser: Qt WebEngine. Kept in a library of its own
// (korva_preview), so that only the program and the tests that need a real
// browser link it.
#pragma once

namespace korva::app {

// Before QApplication exists: lets Chromium start in this process (as root
// it refuses its sandbox, so the sandbox is left off for root only).
void PrepareWebEngine();

// Makes the preview panes use Qt WebEngine.
void UseWebEnginePreview();

}  // namespace korva::app

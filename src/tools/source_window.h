// Where the HTML source window appears and how it shows the source: the
// [SOTSource] section of the settings file.
#pragma once

#include <optional>
#include <string>

#include "session/ui.h"
#include "settings/ini_settings.h"

namespace korva {

struct SourceWindowLayout {
  int top = 0;
  int left = 0;
  int width = 0;
  int height = 0;
  bool wordWrap = false;  // "折り返し"
  bool colour = true;     // "色付け "
  bool operator==(const SourceWindowLayout&) const = default;
};

// The layout [SOTSource] of the settings file gives, over `current`: a key
// that is missing or holds no usable value keeps the current one (a width or
// height must be positive). Nothing when the file does not exist or cannot
// be read.
std::optional<SourceWindowLayout> ReadSOTSource(const std::string& iniFileName,
                                                const SourceWindowLayout& current);

// "この位置に、このｻｲｽﾞで出現させる": writes the layout into [SOTSource] when
// the settings file exists, keeping the rest of the file. Returns 0 when
// written, -1 when there is no file or the write failed (reported).
int sbAppearanceThisPositionClick(const std::string& iniFileName, const SourceWindowLayout& layout,
                                  Ui& ui, const FileWriter& writer = WriteFileAtomically);

}  // namespace korva

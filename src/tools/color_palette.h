// The colour palette: the named HTML colours, the hue field and grey ramp
// the user picks from, and the texts the palette shows and copies.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "session/ui.h"
#include "tools/rtf_syntax.h"

namespace korva {

struct NamedColor {
  std::string_view name;
  RgbColor rgb;  // 0xRRGGBB
};

// The 140 colour keywords of HTML/CSS in alphabetical order.
std::span<const NamedColor> NamedColors();

RgbColor MakeRgb(int r, int g, int b);
int RedOf(RgbColor c);
int GreenOf(RgbColor c);
int BlueOf(RgbColor c);

// The platform's colour number: red in the low byte (R + G * 256 + B * 65536).
std::uint32_t ColorValue(RgbColor c);
// "#" and R, G, B as two upper-case hexadecimal digits each.
std::string HtmlColorNumber(RgbColor c);
// The name of the first table row with this colour.
std::optional<std::string_view> FindColorName(RgbColor c);

inline constexpr int kHueCount = 128;
inline constexpr int kHueFieldRows = 32;
inline constexpr int kHueCellPixels = 2;
inline constexpr int kGreyRampColumns = 128;

const std::array<RgbColor, kHueCount>& HueTable();
// The cell of the hue field: hue `column` lightened towards white above row
// 16 and dulled towards grey below it.
RgbColor HueFieldColor(int column, int row);
// The colour under a pixel of the 256 x 64 hue field (clamped to it).
RgbColor HueFieldColorAtPixel(int x, int y);
RgbColor GreyRampColor(int column);
RgbColor GreyRampColorAtPixel(int x);

enum class NameInk { Yellow, Blue };
// Ink of a name in the list, chosen from its "#RRGGBB" number so that it
// stays readable on its own colour.
NameInk ListNameInk(std::string_view htmlNumber);

// The palette window's state: its lists, boxes and current colour.
class ColorPalette {
 public:
  ColorPalette();

  std::vector<std::string> ListBoxColorName;  // names
  std::vector<std::string> ListBox1;          // decimal colour values
  std::vector<std::string> ListBox2;          // HTML numbers
  std::string EditColorName;
  std::string EditHTMLColorNumber;
  std::string EditColorValue;
  std::string RcolorEdit = "0";
  std::string GcolorEdit = "0";
  std::string BcolorEdit = "0";
  RgbColor current = 0;

  void ListBoxColorNameClick(std::size_t row);
  void btnSearchNameClick();
  void sbSetRGBClick();
  // A press on the hue field or grey ramp; the web-safe image also shows
  // the decimal colour value.
  void PickColor(RgbColor c, bool showValue);

  void sbColorValueCOOPYClick(Ui& ui) const;
  void sbCOPYEditColorNameClick(Ui& ui) const;
  void sbCOPYEditHTMLColorNumberClick(Ui& ui) const;
  void sCOPYtRGBClick(Ui& ui) const;
  std::string RgbCopyText() const;

 private:
  void ShowComponents(RgbColor c);
};

}  // namespace korva

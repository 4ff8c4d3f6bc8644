#include "tools/color_palette.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>

#include "text/string_helpers.h"

namespace korva {

namespace {

constexpr NamedColor kNamedColors[] = {
    {"aliceblue", 0xF0F8FF},
    {"antiquewhite", 0xFAEBD7},
    {"aqua", 0x00FFFF},
    {"aquamarine", 0x7FFFD4},
    {"azure", 0xF0FFFF},
    {"beige", 0xF5F5DC},
    {"bisque", 0xFFE4C4},
    {"black", 0x000000},
    {"blanchedalmond", 0xFFEBCD},
    {"blue", 0x0000FF},
    {"blueviolet", 0x8A2BE2},
    {"brown", 0xA52A2A},
    {"burlywood", 0xDEB887},
    {"cadetblue", 0x5F9EA0},
    {"chartreuse", 0x7FFF00},
    {"chocolate", 0xD2691E},
    {"coral", 0xFF7F50},
    {"cornflowerblue", 0x6495ED},
    {"cornsilk", 0xFFF8DC},
    {"crimson", 0xDC143C},
    {"cyan", 0x00FFFF},
    {"darkblue", 0x00008B},
    {"darkcyan", 0x008B8B},
    {"darkgoldenrod", 0xB8860B},
    {"darkgray", 0xA9A9A9},
    {"darkgreen", 0x006400},
    {"darkkhaki", 0xBDB76B},
    {"darkmagenta", 0x8B008B},
    {"darkolivegreen", 0x556B2F},
    {"darkorange", 0xFF8C00},
    {"darkorchid", 0x9932CC},
    {"darkred", 0x8B0000},
    {"darksalmon", 0xE9967A},
    {"darkseagreen", 0x8FBC8F},
    {"darkslateblue", 0x483D8B},
    {"darkslategray", 0x2F4F4F},
    {"darkturquoise", 0x00CED1},
    {"darkviolet", 0x9400D3},
    {"deeppink", 0xFF1493},
    {"deepskyblue", 0x00BFFF},
    {"dimgray", 0x696969},
    {"dodgerblue", 0x1E90FF},
    {"firebrick", 0xB22222},
    {"floralwhite", 0xFFFAF0},
    {"forestgreen", 0x228B22},
    {"fuchsia", 0xFF00FF},
    {"gainsboro", 0xDCDCDC},
    {"ghostwhite", 0xF8F8FF},
    {"gold", 0xFFD700},
    {"goldenrod", 0xDAA520},
    {"gray", 0x808080},
    {"green", 0x008000},
    {"greenyellow", 0xADFF2F},
    {"honeydew", 0xF0FFF0},
    {"hotpink", 0xFF69B4},
    {"indianred", 0xCD5C5C},
    {"indigo", 0x4B0082},
    {"ivory", 0xFFFFF0},
    {"khaki", 0xF0E68C},
    {"lavender", 0xE6E6FA},
    {"lavenderblush", 0xFFF0F5},
    {"lawngreen", 0x7CFC00},
    {"lemonchiffon", 0xFFFACD},
    {"lightblue", 0xADD8E6},
    {"lightcoral", 0xF08080},
    {"lightcyan", 0xE0FFFF},
    {"lightgoldenrodyellow", 0xFAFAD2},
    {"lightgreen", 0x90EE90},
    {"lightgrey", 0xD3D3D3},
    {"lightpink", 0xFFB6C1},
    {"lightsalmon", 0xFFA07A},
    {"lightseagreen", 0x20B2AA},
    {"lightskyblue", 0x87CEFA},
    {"lightslategray", 0x778899},
    {"lightsteelblue", 0xB0C4DE},
    {"lightyellow", 0xFFFFE0},
    {"lime", 0x00FF00},
    {"limegreen", 0x32CD32},
    {"linen", 0xFAF0E6},
    {"magenta", 0xFF00FF},
    {"maroon", 0x800000},
    {"mediumaquamarine", 0x66CDAA},
    {"mediumblue", 0x0000CD},
    {"mediumorchid", 0xBA55D3},
    {"mediumpurple", 0x9370DB},
    {"mediumseagreen", 0x3CB371},
    {"mediumslateblue", 0x7B68EE},
    {"mediumspringgreen", 0x00FA9A},
    {"mediumturquoise", 0x48D1CC},
    {"mediumvioletred", 0xC71585},
    {"midnightblue", 0x191970},
    {"mintcream", 0xF5FFFA},
    {"mistyrose", 0xFFE4E1},
    {"moccasin", 0xFFE4B5},
    {"navajowhite", 0xFFDEAD},
    {"navy", 0x000080},
    {"oldlace", 0xFDF5E6},
    {"olive", 0x808000},
    {"olivedrab", 0x6B8E23},
    {"orange", 0xFFA500},
    {"orangered", 0xFF4500},
    {"orchid", 0xDA70D6},
    {"palegoldenrod", 0xEEE8AA},
    {"palegreen", 0x98FB98},
    {"paleturquoise", 0xAFEEEE},
    {"palevioletred", 0xDB7093},
    {"papayawhip", 0xFFEFD5},
    {"peachpuff", 0xFFDAB9},
    {"peru", 0xCD853F},
    {"pink", 0xFFC0CB},
    {"plum", 0xDDA0DD},
    {"powderblue", 0xB0E0E6},
    {"purple", 0x800080},
    {"red", 0xFF0000},
    {"rosybrown", 0xBC8F8F},
    {"royalblue", 0x4169E1},
    {"saddlebrown", 0x8B4513},
    {"salmon", 0xFA8072},
    {"sandybrown", 0xF4A460},
    {"seagreen", 0x2E8B57},
    {"seashell", 0xFFF5EE},
    {"sienna", 0xA0522D},
    {"silver", 0xC0C0C0},
    {"skyblue", 0x87CEEB},
    {"slateblue", 0x6A5ACD},
    {"slategray", 0x708090},
    {"snow", 0xFFFAFA},
    {"springgreen", 0x00FF7F},
    {"steelblue", 0x4682B4},
    {"tan", 0xD2B48C},
    {"teal", 0x008080},
    {"thistle", 0xD8BFD8},
    {"tomato", 0xFF6347},
    {"turquoise", 0x40E0D0},
    {"violet", 0xEE82EE},
    {"wheat", 0xF5DEB3},
    {"white", 0xFFFFFF},
    {"whitesmoke", 0xF5F5F5},
    {"yellow", 0xFFFF00},
    {"yellowgreen", 0x9ACD32},
};

// Integer text as the boxes accept it: optional blanks and sign, then
// decimal digits, within the range of a 32-bit integer.
std::optional<long long> ParseBoxNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  if (value < INT_MIN || value > INT_MAX) return std::nullopt;
  return value;
}

int Blend(int c, int target, double t) {
  return static_cast<int>(std::lround((target - c) * t + c));
}

}  // namespace

std::span<const NamedColor> NamedColors() {
  return kNamedColors;
}

RgbColor MakeRgb(int r, int g, int b) {
  return (static_cast<RgbColor>(r & 0xFF) << 16) | (static_cast<RgbColor>(g & 0xFF) << 8) |
         static_cast<RgbColor>(b & 0xFF);
}
int RedOf(RgbColor c) {
  return static_cast<int>((c >> 16) & 0xFF);
}
int GreenOf(RgbColor c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
int BlueOf(RgbColor c) {
  return static_cast<int>(c & 0xFF);
}

std::uint32_t ColorValue(RgbColor c) {
  return static_cast<std::uint32_t>(RedOf(c)) + static_cast<std::uint32_t>(GreenOf(c)) * 256u +
         static_cast<std::uint32_t>(BlueOf(c)) * 65536u;
}

std::string HtmlColorNumber(RgbColor c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", RedOf(c), GreenOf(c), BlueOf(c));
  return text;
}

std::optional<std::string_view> FindColorName(RgbColor c) {
  for (const auto& row : kNamedColors) {
    if (row.rgb == (c & 0xFFFFFF)) return row.name;
  }
  return std::nullopt;
}

const std::array<RgbColor, kHueCount>& HueTable() {
  static const auto table = [] {
    std::array<RgbColor, kHueCount> t{};
    std::size_t n = 0;
    for (int i = 0; i < 32; ++i) t[n++] = MakeRgb(255, i * 255 / 32, 0);
    for (int i = 0; i < 24; ++i) t[n++] = MakeRgb(255 - i * 128 / 24, 255, 0);
    for (int i = 0; i < 24; ++i) t[n++] = MakeRgb(0, 255, i * 128 / 24 + 127);
    for (int i = 0; i < 16; ++i) t[n++] = MakeRgb(0, 255 - i * 128 / 16, 255);
    for (int i = 0; i < 32; ++i) t[n++] = MakeRgb(i * 128 / 32 + 127, 0, 255 - i * 64 / 32);
    return t;
  }();
  return table;
}

RgbColor HueFieldColor(int column, int row) {
  const RgbColor hue = HueTable()[static_cast<std::size_t>(std::clamp(column, 0, kHueCount - 1))];
  row = std::clamp(row, 0, kHueFieldRows - 1);
  if (row == 16) return hue;
  const int target = row < 16 ? 255 : 150;
  const double t = row < 16 ? (15 - row) / 15.0 : (row - 15) / 15.0;
  return MakeRgb(Blend(RedOf(hue), target, t), Blend(GreenOf(hue), target, t),
                 Blend(BlueOf(hue), target, t));
}

RgbColor HueFieldColorAtPixel(int x, int y) {
  return HueFieldColor(x / kHueCellPixels, y / kHueCellPixels);
}

RgbColor GreyRampColor(int column) {
  const int level = std::clamp(column, 0, kGreyRampColumns - 1) + 128;
  return MakeRgb(level, level, level);
}

RgbColor GreyRampColorAtPixel(int x) {
  return GreyRampColor(x / 2);
}

NameInk ListNameInk(std::string_view htmlNumber) {
  if (htmlNumber.starts_with('#')) htmlNumber.remove_prefix(1);
  unsigned long value = 0;
  const auto [end, ec] =
      std::from_chars(htmlNumber.data(), htmlNumber.data() + htmlNumber.size(), value, 16);
  if (ec != std::errc() || end != htmlNumber.data() + htmlNumber.size()) return NameInk::Blue;
  return value >= 0x100000 && value <= 0x900000 ? NameInk::Yellow : NameInk::Blue;
}

ColorPalette::ColorPalette() {
  for (const auto& row : kNamedColors) {
    ListBoxColorName.emplace_back(row.name);
    ListBox2.push_back(HtmlColorNumber(row.rgb));
    ListBox1.push_back(std::to_string(ColorValue(row.rgb)));
  }
}

void ColorPalette::ShowComponents(RgbColor c) {
  RcolorEdit = std::to_string(RedOf(c));
  GcolorEdit = std::to_string(GreenOf(c));
  BcolorEdit = std::to_string(BlueOf(c));
}

void ColorPalette::ListBoxColorNameClick(std::size_t row) {
  if (row >= std::size(kNamedColors)) return;
  const NamedColor& named = kNamedColors[row];
  EditColorName = std::string(named.name);
  EditHTMLColorNumber = HtmlColorNumber(named.rgb);
  current = named.rgb;
  EditColorValue = std::to_string(ColorValue(named.rgb));
  ShowComponents(named.rgb);
}

void ColorPalette::btnSearchNameClick() {
  if (const auto name = FindColorName(current)) {
    EditColorName = std::string(*name);
  } else {
    EditColorName.clear();
  }
  EditHTMLColorNumber = HtmlColorNumber(current);
}

void ColorPalette::sbSetRGBClick() {
  int components[3];
  std::string* boxes[3] = {&RcolorEdit, &GcolorEdit, &BcolorEdit};
  for (int i = 0; i < 3; ++i) {
    const auto value = ParseBoxNumber(*boxes[i]);
    components[i] = value ? static_cast<int>(*value & 0xFF) : 0;
  }
  current = MakeRgb(components[0], components[1], components[2]);
  // The boxes show the components actually used, so that the R/G/B copy
  // describes the colour that was set.
  ShowComponents(current);
  const auto name = FindColorName(current);
  EditColorName = name ? std::string(*name) : HtmlColorNumber(current);
  EditHTMLColorNumber = HtmlColorNumber(current);
  EditColorValue = std::to_string(ColorValue(current));
}

void ColorPalette::PickColor(RgbColor c, bool showValue) {
  current = c & 0xFFFFFF;
  ShowComponents(current);
  EditHTMLColorNumber = HtmlColorNumber(current);
  EditColorName.clear();
  if (showValue) EditColorValue = std::to_string(ColorValue(current));
}

std::string ColorPalette::RgbCopyText() const {
  return TrimControlAndSpaces("rgb(" + RcolorEdit + "," + GcolorEdit + "," + BcolorEdit + ") ;");
}

void ColorPalette::sbColorValueCOOPYClick(Ui& ui) const {
  ui.SetClipboardText(TrimControlAndSpaces(EditColorValue));
}
void ColorPalette::sbCOPYEditColorNameClick(Ui& ui) const {
  ui.SetClipboardText(TrimControlAndSpaces(EditColorName));
}
void ColorPalette::sbCOPYEditHTMLColorNumberClick(Ui& ui) const {
  ui.SetClipboardText(TrimControlAndSpaces(EditHTMLColorNumber));
}
void ColorPalette::sCOPYtRGBClick(Ui& ui) const {
  ui.SetClipboardText(RgbCopyText());
}

}  // namespace korva

#include "tools/color_palette.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "support/recording_ui.h"

namespace korva {
namespace {

TEST(NamedColors, TableIsCompleteAndAlphabetical) {
  const auto colors = NamedColors();
  ASSERT_EQ(colors.size(), 140u);
  EXPECT_EQ(colors.front().name, "aliceblue");
  EXPECT_EQ(colors.back().name, "yellowgreen");
  for (std::size_t i = 1; i < colors.size(); ++i) {
    EXPECT_LT(colors[i - 1].name, colors[i].name) << "at " << colors[i].name;
  }
  std::set<std::string_view> names;
  for (const auto& c : colors) names.insert(c.name);
  for (const char* grey : {"darkgray", "dimgray", "gray", "lightgrey", "lightslategray",
                           "slategray", "darkslategray"}) {
    EXPECT_TRUE(names.count(grey)) << grey;
  }
  for (const char* other : {"grey", "lightgray", "darkgrey", "slategrey", "rebeccapurple"}) {
    EXPECT_FALSE(names.count(other)) << other;
  }
}

TEST(NamedColors, SpotValuesAndLookup) {
  struct {
    RgbColor rgb;
    const char* name;  // nullptr: not in the table
  } cases[] = {{0x9370DB, "mediumpurple"}, {0xFFFFFF, "white"},       {0x808080, "gray"},
               {0x008000, "green"},        {0x00FFFF, "aqua"},        {0xFF00FF, "fuchsia"},
               {0xD3D3D3, "lightgrey"},    {0xFFFAF0, "floralwhite"}, {0x2F4F4F, "darkslategray"},
               {0x663399, nullptr},        {0x123456, nullptr}};
  for (const auto& c : cases) {
    const auto name = FindColorName(c.rgb);
    if (c.name) {
      ASSERT_TRUE(name.has_value()) << c.name;
      EXPECT_EQ(*name, c.name);
    } else {
      EXPECT_FALSE(name.has_value()) << HtmlColorNumber(c.rgb);
    }
  }
}

TEST(ColorPalette, ListsHoldNumbersAndValues) {
  const ColorPalette palette;
  ASSERT_EQ(palette.ListBoxColorName.size(), 140u);
  ASSERT_EQ(palette.ListBox1.size(), 140u);
  ASSERT_EQ(palette.ListBox2.size(), 140u);
  EXPECT_EQ(palette.ListBox2[0], "#F0F8FF");
  EXPECT_EQ(palette.ListBox1[0], "16775408");  // red in the low byte
}

TEST(ColorPalette, SetFromBoxes) {
  struct {
    const char *r, *g, *b;
    const char *name, *number;
    const char* boxes;  // the boxes afterwards
  } cases[] = {{"255", "255", "255", "white", "#FFFFFF", "255,255,255"},
               {"300", "0", "0", "#2C0000", "#2C0000", "44,0,0"},
               {"abc", "", "1.5", "black", "#000000", "0,0,0"},
               {"-1", " 7", "99999999999", "#FF0700", "#FF0700", "255,7,0"},
               {"147", "112", "219", "mediumpurple", "#9370DB", "147,112,219"},
               {"0", "255", "255", "aqua", "#00FFFF", "0,255,255"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.r) + "," + c.g + "," + c.b);
    ColorPalette palette;
    palette.RcolorEdit = c.r;
    palette.GcolorEdit = c.g;
    palette.BcolorEdit = c.b;
    palette.sbSetRGBClick();
    EXPECT_EQ(palette.EditColorName, c.name);
    EXPECT_EQ(palette.EditHTMLColorNumber, c.number);
    EXPECT_EQ(palette.EditColorValue, std::to_string(ColorValue(palette.current)));
    EXPECT_EQ(palette.RcolorEdit + "," + palette.GcolorEdit + "," + palette.BcolorEdit, c.boxes);
  }
}

TEST(ColorPalette, ChoosingLookingUpAndPicking) {
  std::size_t purple = 0;
  while (NamedColors()[purple].name != "mediumpurple") ++purple;
  struct {
    const char* what;
    std::function<void(ColorPalette&)> act;
    std::string name, number, value, boxes;
  } cases[] = {
      {"choose a name", [&](ColorPalette& p) { p.ListBoxColorNameClick(purple); }, "mediumpurple",
       "#9370DB", std::to_string(0x93 + 0x70 * 256 + 0xDB * 65536), "147,112,219"},
      {"look up a colour without a name",
       [](ColorPalette& p) {
         p.current = 0x123456;
         p.btnSearchNameClick();
       },
       "", "#123456", "old", ",,"},
      {"look up a named colour",
       [](ColorPalette& p) {
         p.current = 0xD2691E;
         p.btnSearchNameClick();
       },
       "chocolate", "#D2691E", "old", ",,"},
      // Only the web-safe image shows the value.
      {"pick from the hue field", [](ColorPalette& p) { p.PickColor(0x0A0B0C, false); }, "",
       "#0A0B0C", "old", "10,11,12"},
      {"pick from the web-safe image", [](ColorPalette& p) { p.PickColor(0x0A0B0C, true); }, "",
       "#0A0B0C", std::to_string(10 + 11 * 256 + 12 * 65536), "10,11,12"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ColorPalette palette;
    palette.EditColorName = palette.EditColorValue = "old";
    palette.RcolorEdit = palette.GcolorEdit = palette.BcolorEdit = "";
    c.act(palette);
    EXPECT_EQ(palette.EditColorName, c.name);
    EXPECT_EQ(palette.EditHTMLColorNumber, c.number);
    EXPECT_EQ(palette.EditColorValue, c.value);
    EXPECT_EQ(palette.RcolorEdit + "," + palette.GcolorEdit + "," + palette.BcolorEdit, c.boxes);
  }
}

TEST(ColorPalette, CopyTexts) {
  ColorPalette palette;
  testing::RecordingUi ui;
  palette.RcolorEdit = "1";
  palette.GcolorEdit = "2";
  palette.BcolorEdit = "3";
  palette.sCOPYtRGBClick(ui);
  EXPECT_EQ(ui.clipboard, "rgb(1,2,3) ;");
  palette.EditColorName = "  white ";
  palette.sbCOPYEditColorNameClick(ui);
  EXPECT_EQ(ui.clipboard, "white");
  palette.EditHTMLColorNumber = "#FFFFFF ";
  palette.sbCOPYEditHTMLColorNumberClick(ui);
  EXPECT_EQ(ui.clipboard, "#FFFFFF");
  palette.EditColorValue = " 16777215";
  palette.sbColorValueCOOPYClick(ui);
  EXPECT_EQ(ui.clipboard, "16777215");
}

TEST(HueTable, SegmentsOfTheTable) {
  const auto& hues = HueTable();
  ASSERT_EQ(hues.size(), 128u);
  struct {
    std::size_t index;
    const char* number;
  } cases[] = {{0, "#FF0000"},  {31, "#FFF700"}, {32, "#FFFF00"}, {55, "#85FF00"},
               {56, "#00FF7F"}, {79, "#00FFF9"}, {80, "#00FFFF"}, {95, "#0087FF"},
               {96, "#7F00FF"}, {127, "#FB00C1"}};
  for (const auto& c : cases) {
    EXPECT_EQ(HtmlColorNumber(hues[c.index]), c.number) << "entry " << c.index;
  }
}

TEST(HueTable, FieldAndGreyRamp) {
  struct {
    RgbColor actual, expected;
    const char* what;
  } cases[] = {{HueFieldColor(0, 16), 0xFF0000, "row 16 is the hue"},
               {HueFieldColor(0, 15), 0xFF0000, "row 15 has weight 0"},
               {HueFieldColor(0, 0), 0xFFFFFF, "row 0 is white"},
               {HueFieldColor(0, 8), MakeRgb(255, 119, 119), "half way to white"},
               {HueFieldColor(0, 31), MakeRgb(143, 160, 160), "row 31 goes past the grey"},
               {HueFieldColor(80, 17), MakeRgb(20, 241, 241), "two fifteenths towards grey"},
               {HueFieldColorAtPixel(33, 33), HueFieldColor(16, 16), "2 x 2 pixel cells"},
               {HueFieldColorAtPixel(999, -5), HueFieldColor(127, 0), "outside is clamped"},
               {GreyRampColor(0), 0x808080, "ramp starts at 128"},
               {GreyRampColor(127), 0xFFFFFF, "ramp ends at 255"},
               {GreyRampColorAtPixel(21), 0x8A8A8A, "2-pixel columns"}};
  for (const auto& c : cases) {
    EXPECT_EQ(HtmlColorNumber(c.actual), HtmlColorNumber(c.expected)) << c.what;
  }
}

TEST(NamedColors, ListInk) {
  struct {
    const char* number;
    NameInk ink;
  } cases[] = {{"#9370DB", NameInk::Blue},   {"#900000", NameInk::Yellow},
               {"#100000", NameInk::Yellow}, {"#0FFFFF", NameInk::Blue},
               {"#8B0000", NameInk::Yellow}, {"#FFFFFF", NameInk::Blue}};
  for (const auto& c : cases) EXPECT_EQ(ListNameInk(c.number), c.ink) << c.number;
}

}  // namespace
}  // namespace korva

#include "tools/source_window.h"

#include <charconv>
#include <filesystem>
#include <system_error>

#include "text/path_text.h"

namespace korva {

namespace {

constexpr char kSection[] = "SOTSource";

std::optional<int> IntegerValue(const IniFile& ini, const char* key) {
  const std::optional<std::string> text = ini.Get(kSection, key);
  if (!text) return std::nullopt;
  int value = 0;
  const char* end = text->data() + text->size();
  const auto [stop, ec] = std::from_chars(text->data(), end, value);
  if (text->empty() || ec != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace

std::optional<SourceWindowLayout> ReadSOTSource(const std::string& iniFileName,
                                                const SourceWindowLayout& current) {
  std::error_code ec;
  const std::filesystem::path path = ToFsPath(iniFileName);
  if (iniFileName.empty() || !std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  const ReadResult read = ReadFileBytes(path);
  if (read.error) return std::nullopt;
  const IniFile ini = IniFile::Parse(read.bytes);
  SourceWindowLayout layout = current;
  auto take = [&](const char* key, int& field, bool positive) {
    const std::optional<int> value = IntegerValue(ini, key);
    if (value && (!positive || *value > 0)) field = *value;
  };
  take("Top", layout.top, false);
  take("Left", layout.left, false);
  take("Width", layout.width, true);
  take("Height", layout.height, true);
  for (auto [key, field] : {std::pair{"WordWrap", &layout.wordWrap}, {"Color", &layout.colour}}) {
    if (const std::optional<int> value = IntegerValue(ini, key)) *field = *value != 0;
  }
  return layout;
}

int sbAppearanceThisPositionClick(const std::string& iniFileName, const SourceWindowLayout& layout,
                                  Ui& ui, const FileWriter& writer) {
  std::error_code ec;
  if (iniFileName.empty() || !std::filesystem::is_regular_file(ToFsPath(iniFileName), ec)) {
    return -1;
  }
  return UpdateIniFile(iniFileName, ui, writer, [&](IniFile& ini) {
    ini.Set(kSection, "Top", std::to_string(layout.top));
    ini.Set(kSection, "Left", std::to_string(layout.left));
    ini.Set(kSection, "Width", std::to_string(layout.width));
    ini.Set(kSection, "Height", std::to_string(layout.height));
    ini.Set(kSection, "WordWrap", layout.wordWrap ? "1" : "0");
    ini.Set(kSection, "Color", layout.colour ? "1" : "0");
  });
}

}  // namespace korva

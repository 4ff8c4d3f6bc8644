// The bodies of the fuzz targets. Each takes one input and returns what went
// wrong ("" when nothing did); the libFuzzer mains abort on a complaint and
// the replay test of the normal suite runs the kept inputs through the very
// same functions.
#pragma once

#include <string>
#include <string_view>

namespace korva::fuzz {

using Entry = std::string (*)(std::string_view input);

// Minutes in either encoding, opened, analysed, converted both ways, and the
// single document, navigation list and local and web sets written to memory.
std::string MinutesToSets(std::string_view input);
// The settings file read, saved over itself in memory and read back.
std::string SettingsRoundTrip(std::string_view input);
// The forced-line-break tool in both modes, options from the first bytes.
std::string UnwrapModes(std::string_view input);
// The HTML tokenizer (whole text and line by line) and the RTF writer.
std::string HtmlTokens(std::string_view input);
// The preparation proposed, applied, and proposed again.
std::string PrepareMinutesText(std::string_view input);
// The lead-byte-aware find and replace against a plain character walk.
std::string SjisSearch(std::string_view input);

struct Target {
  const char* name;  // the folder of its corpus and regressions
  Entry entry;
};
inline constexpr Target kTargets[] = {
    {"minutes_to_sets", MinutesToSets},      {"settings_round_trip", SettingsRoundTrip},
    {"unwrap_modes", UnwrapModes},           {"html_tokens", HtmlTokens},
    {"prepare_minutes", PrepareMinutesText}, {"sjis_search", SjisSearch},
};

// The input cut at its first byte: the options byte (0 when empty) and the rest.
inline unsigned char TakeOptions(std::string_view& input) {
  if (input.empty()) return 0;
  const auto options = static_cast<unsigned char>(input[0]);
  input.remove_prefix(1);
  return options;
}

}  // namespace korva::fuzz

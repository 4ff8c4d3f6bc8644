// Titles a clerk adds per meeting category through the settings file, for
// the titles the built-in tables lack ("区長", "副区長", ...).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "analysis/title_tables.h"
#include "settings/settings.h"

namespace korva {

// Reads "副区長 2, 区長 1" (CP932): items separated by "," or "、", each a
// title, spaces, and a category code 1..14. Items that do not read so are
// left out and, when `rejected` is given, added to it as written.
std::vector<YakushokuTable> ParseExtraTitles(std::string_view cp932,
                                             std::vector<std::string>* rejected = nullptr);

// The extra titles of the settings' meeting category.
std::vector<YakushokuTable> ExtraTitlesOf(const Settings& settings,
                                          std::vector<std::string>* rejected = nullptr);

}  // namespace korva

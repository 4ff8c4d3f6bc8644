// A text cut into its characters, for properties that count characters.
#pragma once

#include <string>
#include <vector>

#include "text/sjis.h"

namespace korva::testing {

// Every character, in order; line breaks are no characters here.
inline std::vector<std::string> Characters(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const std::string& line : lines) {
    for (std::size_t pos = 0; pos < line.size(); pos += sjis::CharLength(line, pos)) {
      out.emplace_back(line.substr(pos, sjis::CharLength(line, pos)));
    }
  }
  return out;
}

}  // namespace korva::testing

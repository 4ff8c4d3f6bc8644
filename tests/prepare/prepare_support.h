// Helpers for the preparation tests: UTF-8 in and out, and the real minutes
// kept as test data.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "analysis/analysis_support.h"
#include "prepare/prepare.h"
#include "session/files.h"
#include "text/sjis.h"

namespace korva::testing {

// The minutes files in tests/data/corpus, with the speeches a reader counts.
struct CorpusFile {
  const char* name;
  std::size_t speeches;
};
inline constexpr CorpusFile kCorpus[] = {
    {"01_hirosaki_city_plenary_2023-02-17.txt", 12},
    {"02_katsushika_ward_plenary_2025-02-14.txt", 33},
    {"04_hakodate_city_plenary_2024-02-22.txt", 20},
    {"07_otofuke_town_plenary_2024-12-17.txt", 198},
    {"08_diet_shugiin_plenary_2024-11-11.txt", 39},
};

inline std::filesystem::path CorpusPath(const char* name) {
  return std::filesystem::path(KORVA_SOURCE_DIR) / "tests" / "data" / "corpus" / name;
}

// UTF-8 lines as CP932 text, each ended by `lineBreak`, the last one only with `finalBreak`.
inline std::string SjText(const std::vector<std::string>& utf8Lines, const std::string& lineBreak,
                          bool finalBreak) {
  std::string text;
  for (std::size_t i = 0; i < utf8Lines.size(); ++i) {
    text += Sj(utf8Lines[i]);
    if (i + 1 < utf8Lines.size() || finalBreak) text += lineBreak;
  }
  return text;
}

inline std::vector<std::string> ReadLines(const std::filesystem::path& path) {
  return sjis::SplitLines(ReadFileBytes(path).bytes);
}

}  // namespace korva::testing

// Every input kept under tests/fuzz/ (the seed corpora and the inputs that
// once broke a target) replayed through the fuzz targets' own bodies, so the
// normal suite keeps what the fuzzing found.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include "fuzz_entries.h"

namespace korva::fuzz {

// Test names and messages show the target's name.
void PrintTo(const Target& target, std::ostream* out) {
  *out << target.name;
}

namespace {

std::string Bytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class Replay : public ::testing::TestWithParam<Target> {};

TEST_P(Replay, KeptInputsKeepEveryProperty) {
  const std::filesystem::path fuzz = std::filesystem::path(KORVA_SOURCE_DIR) / "tests/fuzz";
  std::size_t replayed = 0;
  for (const char* kind : {"corpus", "regressions"}) {
    const std::filesystem::path folder = fuzz / kind / GetParam().name;
    if (!std::filesystem::is_directory(folder)) continue;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (!entry.is_regular_file()) continue;
      EXPECT_EQ(GetParam().entry(Bytes(entry.path())), "") << entry.path();
      ++replayed;
    }
  }
  EXPECT_GT(replayed, 0u) << "no seed inputs for " << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Targets, Replay, ::testing::ValuesIn(kTargets),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace korva::fuzz

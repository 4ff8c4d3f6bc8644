// Real minutes for benchmarks: the synthetic generator's text classifies
// faster than what users bring, so each stage is measured on both.
#pragma once

#include <cstddef>
#include <string>

namespace korva::bench {

// The real minutes of tests/data/corpus (CP932, CR LF and LF as they came),
// whole files in name order over and over, cut after exactly `lineCount`
// lines. Empty when the folder holds no minutes.
std::string RealMinutes(std::size_t lineCount);

}  // namespace korva::bench

// Writes synthetic CP932 minutes of N lines to stdout, for measuring whole
// command-line runs (time, peak memory) on the same text the benchmarks use.
#include <cstdlib>
#include <iostream>
#include <string>

#include "minutes_generator.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: korva-generate-minutes LINES > FILE\n";
    return 2;
  }
  char* end = nullptr;
  const unsigned long long lines = std::strtoull(argv[1], &end, 10);
  if (*end != '\0' || lines == 0) {
    std::cerr << "korva-generate-minutes: LINES must be a positive whole number\n";
    return 2;
  }
  std::cout << korva::bench::GenerateMinutes(lines);
  return std::cout ? 0 : 1;
}

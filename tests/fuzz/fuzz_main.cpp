// The libFuzzer main of one target: KORVA_FUZZ_ENTRY names its body.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string complaint =
      korva::fuzz::KORVA_FUZZ_ENTRY(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!complaint.empty()) {
    std::fprintf(stderr, "property broken: %s\n", complaint.c_str());
    std::abort();
  }
  return 0;
}

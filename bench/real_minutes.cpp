#include "real_minutes.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "session/files.h"

namespace korva::bench {

std::string RealMinutes(std::size_t lineCount) {
  namespace fs = std::filesystem;
  std::vector<fs::path> files;
  for (const auto& entry :
       fs::directory_iterator(fs::path(KORVA_SOURCE_DIR) / "tests/data/corpus")) {
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::string corpus;
  for (const fs::path& file : files) corpus += ReadFileBytes(file).bytes;
  if (corpus.empty() || lineCount == 0) return {};
  // Every file ends with a line break, so repeating them keeps their lines whole.
  std::string text;
  std::size_t lines = 0;
  while (true) {
    for (std::size_t at = corpus.find('\n'), from = 0; at != std::string::npos;
         from = at + 1, at = corpus.find('\n', from)) {
      if (++lines == lineCount) return text.append(corpus, 0, at + 1);
    }
    text += corpus;
  }
}

}  // namespace korva::bench

#include "publishing/line_substitution.h"

#include "html/document_html.h"
#include "text/sjis.h"

namespace korva {

namespace {

// True when the line holds a "@", "￣" (0x81 0x50) or "＼" (0x81 0x5F)
// character. "@" is also the trail byte of "　", so each hit is confirmed at
// a character boundary; for the other two the search is for their second
// byte, far rarer in Japanese text than the common lead byte 0x81.
bool MayNeedSubstitution(std::string_view line) {
  for (std::size_t at = line.find('@'); at != std::string_view::npos; at = line.find('@', at + 1)) {
    if (IsCharBoundary(line, at)) return true;
  }
  for (const char second : {'\x50', '\x5F'}) {
    for (std::size_t at = line.find(second, 1); at != std::string_view::npos;
         at = line.find(second, at + 1)) {
      if (line[at - 1] == '\x81' && IsCharBoundary(line, at - 1)) return true;
    }
  }
  return false;
}

}  // namespace

bool IsCharBoundary(std::string_view s, std::size_t i) {
  std::size_t run = 0;
  while (run < i && sjis::IsLeadByte(static_cast<unsigned char>(s[i - run - 1]))) ++run;
  return run % 2 == 0;
}

void WriteLinesSubstituted(const StringList& lines, const LineSubstitution& substitute,
                           const PieceWriter& write) {
  std::string piece;
  piece.reserve(kSavePieceSize + kSavePieceSize / 4);
  for (const std::string& line : lines) {
    if (MayNeedSubstitution(line)) {
      piece += substitute(line);
    } else {
      piece += line;
    }
    piece += "\r\n";
    if (piece.size() >= kSavePieceSize) {
      write(piece);
      piece.clear();
    }
  }
  if (!piece.empty()) write(piece);
}

}  // namespace korva

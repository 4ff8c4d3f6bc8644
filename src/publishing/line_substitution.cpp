#include "publishing/line_substitution.h"

#include <algorithm>
#include <utility>

#include "html/document_html.h"
#include "text/sjis.h"

namespace korva {

bool IsCharBoundary(std::string_view s, std::size_t i) {
  std::size_t known = 0;
  return sjis::StartsCharacter(s, known, i);
}

// The bytes of "@", "￣" (0x81 0x50) and "＼" (0x81 0x5F) are found by byte
// searches, and only those candidates are checked for where they stand: "@"
// is also the trail byte of "　", which fills Japanese minutes, yet a line
// holds a few of them, and a walk over every character would cost far more.
bool MayNeedSubstitution(std::string_view line) {
  const auto* p = reinterpret_cast<const unsigned char*>(line.data());
  // A byte that is no lead byte ends a character, so the one after it starts
  // one; from there the lead bytes pair with the byte after them. `floor` is
  // a character start at or before every candidate to come.
  std::size_t floor = 0;
  const auto startsCharacter = [&](std::size_t at) {
    std::size_t run = at;
    while (run > floor && sjis::IsLeadByte(p[run - 1])) --run;
    return (at - run) % 2 == 0;
  };
  constexpr auto npos = std::string_view::npos;
  std::size_t at = line.find('@'), p50 = line.find('\x50'), p5F = line.find('\x5F');
  while (at != npos || p50 != npos || p5F != npos) {
    const std::size_t q = std::min({at, p50, p5F});
    if (q == at) {
      if (startsCharacter(q)) return true;
      floor = q + 1;
      at = line.find('@', q + 1);
      continue;
    }
    // 0x81 is no candidate itself, so the floor is at or before it.
    if (q > 0 && p[q - 1] == 0x81 && startsCharacter(q - 1)) return true;
    floor = startsCharacter(q) ? q : q + 1;
    (q == p50 ? p50 : p5F) = line.find(static_cast<char>(p[q]), q + 1);
  }
  return false;
}

PlainBodyLines::PlainBodyLines(Document& doc) : doc_(doc) {
  const StringList& body = doc.BodyHTMLList;
  if (body.empty() || doc.BodyPlainLines.size() == body.size()) return;
  doc.BodyPlainLines.resize(body.size());
  for (std::size_t i = 0; i < body.size(); ++i)
    doc.BodyPlainLines[i] = !MayNeedSubstitution(body[i]);
  filled_ = true;
}

PlainBodyLines::~PlainBodyLines() {
  if (filled_) std::vector<bool>().swap(doc_.BodyPlainLines);
}

SubstitutingLineWriter::SubstitutingLineWriter(LineSubstitution substitute, PieceWriter write)
    : substitute_(std::move(substitute)), write_(std::move(write)) {
  piece_.reserve(kSavePieceSize + kSavePieceSize / 4);
}

std::string& SubstitutingLineWriter::StartLine() {
  EndLine();
  lineStart_ = piece_.size();
  lineOpen_ = true;
  linePlain_ = false;
  return piece_;
}

std::string& SubstitutingLineWriter::StartPlainLine() {
  std::string& text = StartLine();
  linePlain_ = true;
  return text;
}

void SubstitutingLineWriter::EndLine() {
  if (!lineOpen_) return;
  lineOpen_ = false;
  const std::string_view line = std::string_view(piece_).substr(lineStart_);
  if (!linePlain_ && MayNeedSubstitution(line)) {
    const std::string substituted = substitute_(line);
    piece_.resize(lineStart_);
    piece_ += substituted;
  }
  piece_ += "\r\n";
  if (piece_.size() >= kSavePieceSize) {
    write_(piece_);
    piece_.clear();
  }
}

void SubstitutingLineWriter::Finish() {
  EndLine();
  if (!piece_.empty()) write_(piece_);
  piece_.clear();
}

int HTMLSaveLines(const Settings& settings, const Document& doc, Ui& ui, const std::string& path,
                  const LineSubstitution& substitute, const LineProducer& produce) {
  return HTMLSaveInPieces(settings, doc, ui, path, [&](const PieceWriter& write) {
    SubstitutingLineWriter writer(substitute, write);
    produce(writer);
    writer.Finish();
  });
}

}  // namespace korva

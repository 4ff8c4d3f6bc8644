#include "publishing/line_substitution.h"

#include <cstdint>
#include <cstring>
#include <utility>

#include "html/document_html.h"
#include "text/sjis.h"

namespace korva {

bool IsCharBoundary(std::string_view s, std::size_t i) {
  std::size_t known = 0;
  return sjis::StartsCharacter(s, known, i);
}

namespace {

// Whether any byte of `word` is `c` (may flag a byte above a match too).
constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
inline std::uint64_t HasByte(std::uint64_t word, unsigned char c) {
  const std::uint64_t v = word ^ (kOnes * c);
  return (v - kOnes) & ~v & (kOnes << 7);
}

}  // namespace

// The bytes of "@", "￣" (0x81 0x50) and "＼" (0x81 0x5F) are sought eight
// at a time; a candidate is then checked for where it stands. "@" is also the
// trail byte of "　", which fills Japanese minutes, and a walk over every
// character would cost far more than those few checks.
bool MayNeedSubstitution(std::string_view line) {
  const auto* p = reinterpret_cast<const unsigned char*>(line.data());
  const std::size_t n = line.size();
  // A byte that can only end a character (no lead byte) is followed by a
  // character start; from there the lead bytes pair with the byte after
  // them. `floor` is a character start at or before every candidate to come.
  std::size_t floor = 0;
  const auto startsCharacter = [&](std::size_t at) {
    std::size_t run = at;
    while (run > floor && sjis::IsLeadByte(p[run - 1])) --run;
    return (at - run) % 2 == 0;
  };
  const auto candidate = [&](std::size_t q) {
    const unsigned char c = p[q];
    if (c == '@') {
      if (startsCharacter(q)) return true;
      floor = q + 1;
    } else if (c == 0x50 || c == 0x5F) {
      if (q > 0 && p[q - 1] == 0x81 && startsCharacter(q - 1)) return true;
      floor = startsCharacter(q) ? q : q + 1;
    }
    return false;
  };
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, p + i, sizeof word);
    if ((HasByte(word, '@') | HasByte(word, 0x50) | HasByte(word, 0x5F)) == 0) continue;
    for (std::size_t q = i; q < i + 8; ++q) {
      if (candidate(q)) return true;
    }
  }
  for (; i < n; ++i) {
    if (candidate(i)) return true;
  }
  return false;
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

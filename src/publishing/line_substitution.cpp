#include "publishing/line_substitution.h"

#include <utility>

#include "html/document_html.h"
#include "text/sjis.h"

namespace korva {

bool IsCharBoundary(std::string_view s, std::size_t i) {
  std::size_t known = 0;
  return sjis::StartsCharacter(s, known, i);
}

// "@" is also the trail byte of "　", which fills Japanese minutes, so one
// walk over the characters beats a byte search that stops at every "　".
bool MayNeedSubstitution(std::string_view line) {
  const auto* p = reinterpret_cast<const unsigned char*>(line.data());
  const std::size_t n = line.size();
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char c = p[i];
    if (c == '@') return true;
    if (sjis::IsLeadByte(c) && i + 1 < n) {
      // "￣" is 0x81 0x50, "＼" is 0x81 0x5F.
      if (c == 0x81 && (p[i + 1] == 0x50 || p[i + 1] == 0x5F)) return true;
      ++i;
    }
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

// Writing the lines of a file with a line-local substitution, quickly.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "session/document.h"
#include "session/files.h"
#include "session/line_sink.h"
#include "session/ui.h"
#include "settings/settings.h"

namespace korva {

// True when byte `i` of CP932 text starts a character.
bool IsCharBoundary(std::string_view s, std::size_t i);

// True when the line holds a "@", "￣" or "＼" character: only such lines
// can hold what the placeholder substitutions replace.
bool MayNeedSubstitution(std::string_view line);

// Fills doc.BodyPlainLines for the files made while it lives, unless they
// are known already, and lets them go when it filled them.
class PlainBodyLines {
 public:
  explicit PlainBodyLines(Document& doc);
  ~PlainBodyLines();
  PlainBodyLines(const PlainBodyLines&) = delete;
  PlainBodyLines& operator=(const PlainBodyLines&) = delete;

 private:
  Document& doc_;
  bool filled_ = false;
};

using LineSubstitution = std::function<std::string(std::string_view)>;

// Joins the lines it is given with CR LF (and a final CR LF), applying
// `substitute` to every line that holds a "@", "￣" or "＼" character, and
// hands the text to `write` in pieces of about kSavePieceSize. The same as
// substituting the whole text when no match can span a line break, as holds
// for the placeholder substitutions. Finish hands over the last piece.
class SubstitutingLineWriter final : public LineSink {
 public:
  SubstitutingLineWriter(LineSubstitution substitute, PieceWriter write);
  std::string& StartLine() override;
  std::string& StartPlainLine() override;
  void Finish();

 private:
  void EndLine();

  LineSubstitution substitute_;
  PieceWriter write_;
  std::string piece_;
  std::size_t lineStart_ = 0;
  bool lineOpen_ = false;
  bool linePlain_ = false;
};

// Saves the lines `produce` gives as one HTML file (HTMLSaveInPieces), with
// `substitute` applied to the lines that need it.
int HTMLSaveLines(const Settings& settings, const Document& doc, Ui& ui, const std::string& path,
                  const LineSubstitution& substitute, const LineProducer& produce);

}  // namespace korva

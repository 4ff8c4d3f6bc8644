// How the preparation reads each minutes line: what the line is to a reader
// (a designation, a speech line, a note, a name line, a system marker ...)
// and how the classification rules would take it, so that only the lines the
// rules would misread get a change.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "analysis/title_tables.h"

namespace korva::prepare {

enum class Shape {
  Blank,
  InBlock,          // inside a block of the program's own marks, or after the closing "■"
  ClerkMark,        // a line that one of the program's own marks gives its meaning
  ProceedingsMark,  // a "■" line without "。"
  DotLine,          // begins with "。": a blank line, or with "。。" a comment, to the rules
  PageMarker,       // a minutes system's page marker, e.g. <PAGE="2">
  Separator,
  Designation,      // speaker mark, designation, full-width space, speech
  LoneDesignation,  // speaker mark and designation (and a stage note) alone on the line
  MarkSplit,        // holds a mark followed by a full-width space: the rules split there
  Note,             // a bracketed note, or a line of one that spans lines
  Procedural,       // recess, resumption or adjournment
  Sentence,         // ends a sentence or holds "。": a line of a speech or of the header
  Fragment,         // anything else: a heading to the rules
};

struct LineReading {
  Shape shape = Shape::Blank;
  bool adjourns = false;  // Procedural: "散会", "延会" or "閉会" ends the proceedings
  // Designation and LoneDesignation: the speaker mark (also for a MarkSplit
  // line that begins with one), the designation's byte length (with the
  // mark) and that of the stage note right after it ("〔登壇〕").
  std::string mark;
  std::size_t designationLength = 0;
  std::size_t noteLength = 0;
  // Designation: the rules take the line as this designation's speaker line,
  // and do so by its first spaces, which opens the proceedings.
  bool readsAsSpeaker = false;
  bool opensProceedings = false;
  // Sentence or Fragment without a mark that the rules would take as a
  // speaker line: by a designation-like first segment (before a full-width
  // space) or by a half-width space after "長", "）" or "員".
  bool speakerWithoutMark = false;
  // Sentence or Designation that ends in bracketed notes after a sentence
  // end, which keeps the rules from taking it as ending a sentence: the
  // byte offset where the notes begin.
  std::size_t endingNote = 0;
  // Sentence that the rules take as a note as a whole for its ending notes.
  bool readsAsNote = false;
};

// The six marks minutes systems put before a designation.
bool IsSpeakerMark(std::string_view ch);

// Reads lines in order, keeping what the rules carry from line to line
// (blocks, notes that span lines, the "■" lines).
class LineReader {
 public:
  // `dotLinesOpenPlainText`: a "。。" line turns the rest into plain text, as
  // it does for the rules; false where the preparation mends such lines.
  LineReader(std::span<const YakushokuTable> extraTitles, bool dotLinesOpenPlainText);
  LineReading Read(std::string_view rawLine);

 private:
  bool ReadDesignation(std::string_view t, LineReading& out) const;

  std::span<const YakushokuTable> extraTitles_;
  bool dotLinesOpenPlainText_;
  bool inComment_ = false, inRoster_ = false, inPlainText_ = false, inEnumeration_ = false;
  bool inRawHTML_ = false, inQuote_ = false, inParagraph_ = false, noteOpen_ = false;
  int proceedingsMarks_ = 0;
};

// The line as the rules load it: trailing blanks gone, one leading space dropped.
std::string_view LoadedLine(std::string_view rawLine);

// The line as the rules read it: LoadedLine with an editor's remark after
// "／／" cut off.
std::string RuleText(std::string_view rawLine);

// The designation byte length with which the rules split a sentence line at
// its first full-width spaces, 0 when they do not take it as a speaker line.
std::size_t SplitBySpaces(std::string_view t);

// A system page marker: an ASCII tag named PAGE alone on the line.
bool IsPageMarker(std::string_view trimmedLine);

}  // namespace korva::prepare

// The speaker vocabulary: marks and title tables that turn a speaker
// designation into a speaker category code ("1".."14", "0" for none).
#pragma once

#include <bitset>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korva {

// One record of a title table: a title fragment and the category it gives.
struct YakushokuTable {
  std::string Key;   // CP932, one or two characters
  std::string Code;  // decimal category code
};

std::span<const YakushokuTable> AssemblyYakushoku();
std::span<const YakushokuTable> DietYakushoku();
std::span<const YakushokuTable> MeetingYakushoku();
std::span<const YakushokuTable> DiscussYakushoku();
std::span<const YakushokuTable> HearingYakushoku();
std::span<const YakushokuTable> TrialYakushoku();

// The title table of a meeting category (0..6); empty for "一般文書" and
// anything out of range. Category 2 also has the "組合長" rule, which
// YakushokuCodeByCategory applies before this table.
std::span<const YakushokuTable> TitleTableForCategory(int category);

// A mark followed by a full-width space designates a category on its own;
// checked in this order, the last one found wins.
struct MarkCode {
  std::string Mark;  // CP932
  std::string Code;
};
std::span<const MarkCode> SpeakerMarkCodes();

// Finds, in one walk over a text, the first title of a list (in list order)
// that occurs in it where a character starts: what walking the list and
// searching the text for each title finds. Built once from the list; a title
// later in the list never wins over an earlier one, so further titles can be
// appended to a list without changing what the earlier ones find.
class TitleMatcher {
 public:
  explicit TitleMatcher(std::span<const YakushokuTable> titles);
  // The first title of the list that `text` contains, or null.
  const YakushokuTable* Find(std::string_view text) const;

 private:
  struct Start {
    std::uint16_t bytes;  // the title's first two bytes, or its only byte
    std::uint16_t index;  // in titles_
  };
  std::vector<YakushokuTable> titles_;
  std::vector<Start> pairs_, singles_;  // by first bytes, then by list order
  std::bitset<256 * 256> pairStarts_;
  std::bitset<256> singleStarts_;
};

// Category of a designation that stands alone on its line, by the last two
// characters of its title (always through the assembly table). A title that
// ends with one of `extraTitles` (the clerk's own, see extra_titles.h) takes
// that one's code first.
std::string YakushokuCodeByTail(std::string_view designation, const std::string& fallback,
                                std::span<const YakushokuTable> extraTitles = {});

// Category of a speaker line's designation, by mark or else by the title
// table of the meeting category; `extraTitles` are consulted before the table.
std::string YakushokuCodeByCategory(std::string_view designation, const std::string& fallback,
                                    int category, std::span<const YakushokuTable> extraTitles = {});

}  // namespace korva

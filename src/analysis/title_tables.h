// The speaker vocabulary: marks and title tables that turn a speaker
// designation into a speaker category code ("1".."14", "0" for none).
#pragma once

#include <span>
#include <string>
#include <string_view>

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
  std::string MarkWithSpace;  // the mark and a full-width space, as it is searched for
};
std::span<const MarkCode> SpeakerMarkCodes();

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

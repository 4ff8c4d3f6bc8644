// Attendance-roster lines (inside a "｛｛" … "｝｝" block): which lines are
// entries, and their conversion into the markers the body conversion lays out.
#pragma once

#include <string>
#include <string_view>

namespace korva {

// False for a heading line of the roster (one holding a heading word).
bool IsRosterEntryLine(std::string_view line);

// "議長　山田太郎" -> "議長｝山田太郎", "総務課" -> "■総務課", "副市長" -> "副市長●".
std::string ConvertRosterName(std::string_view text);

// One roster line, possibly two entries separated by "／" (or "/").
std::string ConvertRosterLine(std::string_view line);

}  // namespace korva

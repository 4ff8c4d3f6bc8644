// Meeting categories, the twelve speaker-class slots and the presets that
// fill their class names and marks.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"

namespace korva {

inline constexpr int kCategoryCount = 8;
inline constexpr int kGeneralDocumentCategory = 7;

// The caption of meeting category 0..7 ("自治体" ... "一般文書"), CP932; empty out of range.
const std::string& CategoryCaption(int category);

// One class-and-mark slot: its key ("WSC" ...), the two settings members, the
// legend caption, the default mark and the category codes that use it.
struct SpeakerClassSlot {
  const char* key;
  std::string Settings::*classMember;
  std::string Settings::*markMember;
  const char* classControl;  // control names, as the settings table spells them
  const char* markControl;
  std::string caption;       // CP932
  std::string defaultMark;   // CP932
  std::array<int, 2> codes;  // category codes using the slot (0 = unused entry)
};

// The twelve slots in legend order.
std::span<const SpeakerClassSlot> SpeakerClassSlots();

// The slot a category code selects, or nullptr (code 2, "0", empty, unknown).
const SpeakerClassSlot* SlotForCategoryCode(const std::string& code);

// What a slot's class and mark combo boxes offer in their lists (CP932, an
// empty entry included); the user may type anything else.
const std::vector<std::string>& ClassComboItems(std::string_view slotKey);
const std::vector<std::string>& MarkComboItems(std::string_view slotKey);

// Class names of the ten speaker slots per meeting category, in slot order
// (WSC, WSQ, BRL, WDC, WRL, BTU, WTU, WSS, BFS, BFC).
std::span<const char* const> PresetClassNames(int category);

// The presets: set the class names of every slot ("BTD" "subject", "WTD"
// "subcomp"), then MarkClassReinitialize.
void AssemblySpeakerClassReinitialize(Settings& settings);
void DietSpeakerClassReinitialize(Settings& settings);
void CooperativeSpeakerClassReinitialize(Settings& settings);
void MeetingSpeakerClassReinitialize(Settings& settings);
void DiscussSpeakerClassReinitialize(Settings& settings);
void HearingSpeakerClassReinitialize(Settings& settings);
void TrialSpeakerClassReinitialize(Settings& settings);
void GeneralDocumentClassReinitialize(Settings& settings);

// Structural class names and ids, and the default marks of all twelve slots.
void MarkClassReinitialize(Settings& settings);
// The seven roster, annotation, quotation and colour spin edits.
void RosterSettingsReinitialize(Settings& settings);
// Runs the preset of settings.RadioGroupCategory (the "自治体" one when out of range).
void MakeClassSettingByCategory(Settings& settings);

}  // namespace korva

#include "analysis/class_presets.h"

#include <vector>

#include "text/literal.h"

namespace korva {
using namespace literals;

const std::string& CategoryCaption(int category) {
  static const std::string captions[kCategoryCount] = {"自治体"_sj,   "国会"_sj,    "組合"_sj,
                                                       "会議"_sj,     "討論会"_sj,  "公聴会"_sj,
                                                       "裁判調書"_sj, "一般文書"_sj};
  static const std::string none;
  return category >= 0 && category < kCategoryCount ? captions[category] : none;
}

std::span<const SpeakerClassSlot> SpeakerClassSlots() {
  using S = Settings;
  static const std::vector<SpeakerClassSlot> slots = {
      {"WSC",
       &S::ComboBoxClassWSC,
       &S::ComboBoxMarkWSC,
       "ComboBoxClassWSC",
       "ComboBoxMarkWSC",
       "①○ 議長"_sj,
       "○"_sj,
       {3, 0}},
      {"WSQ",
       &S::ComboBoxClassWSQ,
       &S::ComboBoxMarkWSQ,
       "ComboBoxClassWSQ",
       "ComboBoxMarkWSQ",
       "②□ 委員長"_sj,
       "□"_sj,
       {4, 0}},
      {"BRL",
       &S::ComboBoClassBRL,
       &S::ComboBoxMarkBRL,
       "ComboBoClassBRL",
       "ComboBoxMarkBRL",
       "③◆ 議員･委員"_sj,
       "◆"_sj,
       {5, 0}},
      {"WDC",
       &S::ComboBoxClassWDC,
       &S::ComboBoxMarkWDC,
       "ComboBoxClassWDC",
       "ComboBoxMarkWDC",
       "④◎ 知事・市町村長"_sj,
       "◎"_sj,
       {1, 0}},
      {"WRL",
       &S::ComboBoxClassWRL,
       &S::ComboBoxMarkWRL,
       "ComboBoxClassWRL",
       "ComboBoxMarkWRL",
       "⑤◇ 局部課長（執行部）"_sj,
       "◇"_sj,
       {7, 0}},
      {"BTU",
       &S::ComboBoxClassBTU,
       &S::ComboBoxMarkBTU,
       "ComboBoxClassBTU",
       "ComboBoxMarkBTU",
       "⑥▲ 公述人"_sj,
       "▲"_sj,
       {12, 0}},
      {"WTU",
       &S::ComboBoxCalssWTU,
       &S::ComboBoxMarkWTU,
       "ComboBoxCalssWTU",
       "ComboBoxMarkWTU",
       "⑦△ 参考人"_sj,
       "△"_sj,
       {9, 0}},
      {"WSS",
       &S::ComboBoxClassWSS,
       &S::ComboBoxMarkWSS,
       "ComboBoxClassWSS",
       "ComboBoxMarkWSS",
       "⑧☆ 傍聴者等 "_sj,
       "☆"_sj,
       {8, 0}},
      {"BFS",
       &S::ComboBoxClassBFS,
       &S::ComboBoxMarkBFS,
       "ComboBoxClassBFS",
       "ComboBoxMarkBFS",
       "⑨★ 監査委員 　"_sj,
       "★"_sj,
       {6, 10}},
      {"BFC",
       &S::ComboBoxClassBFC,
       &S::ComboBoxMarkBFC,
       "ComboBoxClassBFC",
       "ComboBoxMarkBFC",
       "⑩※"_sj,
       "※"_sj,
       {11, 0}},
      {"BTD",
       &S::ComboBoxClassBTD,
       &S::ComboBoxMarkBTD,
       "ComboBoxClassBTD",
       "ComboBoxMarkBTD",
       "⑪▼ 議題（ 原文 ）"_sj,
       "▼"_sj,
       {13, 0}},
      {"WTD",
       &S::ComboBoxClassWTD,
       &S::ComboBoxMarkWTD,
       "ComboBoxClassWTD",
       "ComboBoxMarkWTD",
       "⑫▽ 議題（ 追加 ）  "_sj,
       "▽"_sj,
       {14, 0}},
  };
  return slots;
}

const SpeakerClassSlot* SlotForCategoryCode(const std::string& code) {
  int number = 0;
  for (char c : code) {
    if (c < '0' || c > '9' || number > 100) return nullptr;
    number = number * 10 + (c - '0');
  }
  if (number == 0) return nullptr;
  for (const auto& slot : SpeakerClassSlots()) {
    if (slot.codes[0] == number || slot.codes[1] == number) return &slot;
  }
  return nullptr;
}

namespace {

// "a, b, , c" -> {"a", "b", "", "c"} in CP932.
std::vector<std::string> Items(std::string_view utf8) {
  std::vector<std::string> items;
  while (true) {
    const std::size_t comma = utf8.find(',');
    items.push_back(Sj(utf8.substr(0, comma)));
    if (comma == std::string_view::npos) return items;
    utf8.remove_prefix(comma + 1);
    while (utf8.starts_with(' ')) utf8.remove_prefix(1);
  }
}

}  // namespace

const std::vector<std::string>& ClassComboItems(std::string_view slotKey) {
  static const std::pair<std::string_view, std::vector<std::string>> kItems[] = {
      {"WDC", Items("governor, primeminister, head, mayor, chairman, chairperson, chairwoman, "
                    "chiefjudge, president, ceo, coo, delegate, representative, ")},
      {"WSC", Items("chairperson, chairman, chairwoman, chair, judge, ")},
      {"WSQ", Items("committeechair, masterofceremonies, mc, comchair, ")},
      {"WRL", Items("officer, minister, delegate, staff, secretary, administrative officer, "
                    "prosecutor, plaintiff, accuser, ")},
      {"BFC", Items("citizen, governor, aide, consultant, accused, defendant, ")},
      {"BTU", Items("publicspeaker, corporation, consultant, witness, reference, plaintiff, ")},
      {"WTU", Items("witness, publicspeaker, delegate, ")},
      {"WSS", Items("conservator, spectator, delegate, auditor, hearer, attender, listener, "
                    "audience, ")},
      {"BFS", Items("auditor, hearer, plaintiff, attender, consultant, listener, spectator, "
                    "audience, ")},
      {"BRL", Items("member, defense counsel, counsel, ")},
      {"BTD", Items("subject, ")},
      {"WTD", Items("subcomp, plaintiff, ")},
  };
  static const std::vector<std::string> none;
  for (const auto& [key, items] : kItems) {
    if (key == slotKey) return items;
  }
  return none;
}

const std::vector<std::string>& MarkComboItems(std::string_view slotKey) {
  static const std::string kMarks = "○, □, ◆, ◎, ◇, ▲, △, ★, ☆, ●, ";
  static const std::vector<std::string> standard = Items(kMarks);
  static const std::vector<std::string> wrl = Items(kMarks + ", ∇");
  // BFC also offers its own default mark, which the common list lacks.
  static const std::vector<std::string> bfc = Items("＠, ※, " + kMarks);
  static const std::vector<std::string> btd = Items("▼");
  static const std::vector<std::string> wtd = Items("▽");
  if (slotKey == "WRL") return wrl;
  if (slotKey == "BFC") return bfc;
  if (slotKey == "BTD") return btd;
  if (slotKey == "WTD") return wtd;
  return standard;
}

std::span<const char* const> PresetClassNames(int category) {
  static const char* const kPresets[kCategoryCount][10] = {
      {"chairperson", "committeechair", "member", "mayor", "officer", "publicspeaker", "witness",
       "aide", "auditor", "citizen"},
      {"chairperson", "committeechair", "member", "primeminister", "officer", "publicspeaker",
       "witness", "aide", "auditor", "governor"},
      {"chairperson", "committeechair", "member", "chiefexective", "officer", "publicspeaker",
       "witness", "aide", "auditor", "citizen"},
      {"chairperson", "committeechair", "member", "president", "staff", "corporation", "witness",
       "counselor", "advisor", "observer"},
      {"host", "committeechair", "panelist", "president", "staff", "spectator", "witness",
       "counselor", "advisor", "observer"},
      {"chairperson", "committeechair", "member", "president", "officer", "publicspeaker",
       "witness", "counselor", "advisor", "representative"},
      {"judge", "associatejudge", "counsel", "chiefjudge", "prosecutor", "witness", "witness",
       "witness", "witness", "accused"},
      {"sentence", "sentence", "sentence", "sentence", "sentence", "sentence", "sentence",
       "sentence", "sentence", "sentence"},
  };
  if (category < 0 || category >= kCategoryCount) category = 0;
  return kPresets[category];
}

namespace {

void ApplyPreset(Settings& settings, int category) {
  const auto names = PresetClassNames(category);
  const auto slots = SpeakerClassSlots();
  for (std::size_t i = 0; i < names.size(); ++i) settings.*(slots[i].classMember) = names[i];
  settings.ComboBoxClassBTD = "subject";
  settings.ComboBoxClassWTD = "subcomp";
  MarkClassReinitialize(settings);
}

}  // namespace

void AssemblySpeakerClassReinitialize(Settings& settings) {
  ApplyPreset(settings, 0);
}
void DietSpeakerClassReinitialize(Settings& settings) {
  ApplyPreset(settings, 1);
}
void CooperativeSpeakerClassReinitialize(Settings& settings) {
  ApplyPreset(settings, 2);
}
void MeetingSpeakerClassReinitialize(Settings& settings) {
  ApplyPreset(settings, 3);
}
void DiscussSpeakerClassReinitialize(Settings& settings) {
  ApplyPreset(settings, 4);
}
void HearingSpeakerClassReinitialize(Settings& settings) {
  ApplyPreset(settings, 5);
}
void TrialSpeakerClassReinitialize(Settings& settings) {
  ApplyPreset(settings, 6);
  settings.ComboBoxMarkBFC = "●"_sj;
}
void GeneralDocumentClassReinitialize(Settings& settings) {
  ApplyPreset(settings, 7);
}

void MarkClassReinitialize(Settings& settings) {
  settings.ComboBoxID_Header = "line-";
  settings.ComboBoxP_Class_First = "firstparagraph";
  settings.ComboBoxP_Class_Cont = "continuation";
  settings.ComboBoxH3_ID = "subject";
  settings.ComboBoxP_annotate = "annotation";
  settings.ComboBoxUL_ID = "enumeration";
  settings.ComboBoxLI_ID = "bill";
  settings.ComboBoxBQ_ID = "quotation";
  settings.ComboBoxPQ_ID = "quotation";
  settings.ComboBoxDOC_ID = "sentence";
  for (const auto& slot : SpeakerClassSlots()) settings.*(slot.markMember) = slot.defaultMark;
}

void RosterSettingsReinitialize(Settings& settings) {
  settings.SpinEditYakushokuPos = 4;
  settings.SpinEditShimeiPos = 32;
  settings.SpinEditYakushokuPos2 = 56;
  settings.SpinEditShimeiPos2 = 68;
  settings.SpinEditAnnotateLeadingZSP = 24;
  settings.SpinEditQuotationLeadingZSP = 0;
  settings.SpinEditDocumentColorCount = 0;
}

void MakeClassSettingByCategory(Settings& settings) {
  switch (settings.RadioGroupCategory) {
    case 1:
      DietSpeakerClassReinitialize(settings);
      break;
    case 2:
      CooperativeSpeakerClassReinitialize(settings);
      break;
    case 3:
      MeetingSpeakerClassReinitialize(settings);
      break;
    case 4:
      DiscussSpeakerClassReinitialize(settings);
      break;
    case 5:
      HearingSpeakerClassReinitialize(settings);
      break;
    case 6:
      TrialSpeakerClassReinitialize(settings);
      break;
    case 7:
      GeneralDocumentClassReinitialize(settings);
      break;
    default:
      AssemblySpeakerClassReinitialize(settings);
      break;
  }
}

}  // namespace korva

#include "settings/settings_table.h"

#include <array>
#include <charconv>

namespace korva {
namespace {

using S = Settings;
using R = ReadRule;

// clang-format off
const std::array kRows = std::to_array<SettingRow>({
    {"SavedProjectFileName", &S::SavedProjectFileName, "File", "Project", R::FileMustExist},
    {"SavedDefaultFolder", &S::SavedDefaultFolder, "File", "DefaultFolder", R::FolderMustExist},
    {"BtnEditHTMLSaveFolder", &S::BtnEditHTMLSaveFolder, "File", "Folder", R::NotRead},
    {"SavedMinutesFileName", &S::SavedMinutesFileName, "File", "Global", R::FileMustExist},

    {"BtnEditRootFolder", &S::BtnEditRootFolder, "Local", "Root", R::FolderMustExist},
    {"BtnEditHTMLSaveFolder", &S::BtnEditHTMLSaveFolder, "Local", "Save", R::FolderMustExist},
    {"BtnEdit3FileFolder", &S::BtnEdit3FileFolder, "Local", "Folder", R::FolderMustExist},
    {"ComboBoxHTMLFile", &S::ComboBoxHTMLFile, "Local", "Html"},
    {"BtnEditLocalCSSFile", &S::BtnEditLocalCSSFile, "Local", "css", R::RelativeTo3FileFolder},
    {"BtnEditLocalHeadInclude", &S::BtnEditLocalHeadInclude, "Local", "Head", R::FileMustExist},
    {"BtnEditLocalTopFrameInclude", &S::BtnEditLocalTopFrameInclude, "Local", "TopFrame", R::FileMustExist},
    {"BtnEditLocalSidelinkInclude", &S::BtnEditLocalSidelinkInclude, "Local", "SideLink", R::FileMustExist},
    {"BtnEditLocalTopFrameCaption", &S::BtnEditLocalTopFrameCaption, "Local", "TopCaption"},
    {"BtnEditLocalReturn2Home", &S::BtnEditLocalReturn2Home, "Local", "Return2home", R::RelativeTo3FileFolder},
    {"BtnEditLocalReturn2Top", &S::BtnEditLocalReturn2Top, "Local", "Return2Top", R::RelativeTo3FileFolder},
    {"BtnEditLocalReturn2list", &S::BtnEditLocalReturn2list, "Local", "Retun2list", R::RelativeTo3FileFolder},

    {"BtnEditHEADTitle", &S::BtnEditHEADTitle, "HTML", "Title"},
    {"ComboBoxHTMLFile", &S::ComboBoxHTMLFile, "HTML", "SaveFile"},

    {"BtnEditWebHTMLFolder", &S::BtnEditWebHTMLFolder, "Web", "Folder", R::FolderMustExist},
    {"ComboBoxWebHTMLFile", &S::ComboBoxWebHTMLFile, "Web", "Html"},
    {"BtnEditWebHeadInclude", &S::BtnEditWebHeadInclude, "Web", "Head", R::FileMustExist},
    {"BtnEditWebTopframeInclude", &S::BtnEditWebTopframeInclude, "Web", "TopFrame", R::FileMustExist},
    {"BtnEditWebSidelinkInclude", &S::BtnEditWebSidelinkInclude, "Web", "SideLink", R::FileMustExist},
    {"BtnEditWebCSSFile", &S::BtnEditWebCSSFile, "Web", "css"},
    {"BtnEditWebDomain", &S::BtnEditWebDomain, "Web", "domain"},
    {"BtnEditWebReturn2Home", &S::BtnEditWebReturn2Home, "Web", "Return2Home"},
    {"BtnEditWebReturn2Top", &S::BtnEditWebReturn2Top, "Web", "Return2Top"},
    {"BtnEditWebReturn2List", &S::BtnEditWebReturn2List, "Web", "Retun2list"},

    {"ComboBoxID_Header", &S::ComboBoxID_Header, "Sentense", "ID_Headers"},
    {"ComboBoxP_Class_First", &S::ComboBoxP_Class_First, "Sentense", "P_Class_First"},
    {"ComboBoxP_Class_Cont", &S::ComboBoxP_Class_Cont, "Sentense", "P_Class_Cont"},
    {"ComboBoxH3_ID", &S::ComboBoxH3_ID, "Sentense", "H3_ID"},
    {"ComboBoxP_annotate", &S::ComboBoxP_annotate, "Sentense", "P_annotate"},
    {"ComboBoxUL_ID", &S::ComboBoxUL_ID, "Sentense", "UL_ID"},
    {"ComboBoxLI_ID", &S::ComboBoxLI_ID, "Sentense", "LI_ID"},
    {"ComboBoxBQ_ID", &S::ComboBoxBQ_ID, "Sentense", "BQ_ID"},
    {"ComboBoxPQ_ID", &S::ComboBoxPQ_ID, "Sentense", "PQ_ID"},
    {"ComboBoxDOC_ID", &S::ComboBoxDOC_ID, "Sentense", "DOC_ID"},

    {"ComboBoxClassWSC", &S::ComboBoxClassWSC, "Speaker", "WSC"},
    {"ComboBoxClassWSQ", &S::ComboBoxClassWSQ, "Speaker", "WSQ"},
    {"ComboBoClassBRL", &S::ComboBoClassBRL, "Speaker", "BRL"},
    {"ComboBoxClassWDC", &S::ComboBoxClassWDC, "Speaker", "WDC"},
    {"ComboBoxClassWRL", &S::ComboBoxClassWRL, "Speaker", "WRL"},
    {"ComboBoxClassBTU", &S::ComboBoxClassBTU, "Speaker", "BTU"},
    {"ComboBoxCalssWTU", &S::ComboBoxCalssWTU, "Speaker", "WTU"},
    {"ComboBoxClassWSS", &S::ComboBoxClassWSS, "Speaker", "WSS"},
    {"ComboBoxClassBFS", &S::ComboBoxClassBFS, "Speaker", "BFS"},
    {"ComboBoxClassBFC", &S::ComboBoxClassBFC, "Speaker", "BFC"},
    {"ComboBoxClassBTD", &S::ComboBoxClassBTD, "Speaker", "BTD"},
    {"ComboBoxClassWTD", &S::ComboBoxClassWTD, "Speaker", "WTD"},

    {"ComboBoxMarkWSC", &S::ComboBoxMarkWSC, "Mark", "WSC"},
    {"ComboBoxMarkWSQ", &S::ComboBoxMarkWSQ, "Mark", "WSQ"},
    {"ComboBoxMarkBRL", &S::ComboBoxMarkBRL, "Mark", "BRL"},
    {"ComboBoxMarkWDC", &S::ComboBoxMarkWDC, "Mark", "WDC"},
    {"ComboBoxMarkWRL", &S::ComboBoxMarkWRL, "Mark", "WRL"},
    {"ComboBoxMarkBTU", &S::ComboBoxMarkBTU, "Mark", "BTU"},
    {"ComboBoxMarkWTU", &S::ComboBoxMarkWTU, "Mark", "WTU"},
    {"ComboBoxMarkWSS", &S::ComboBoxMarkWSS, "Mark", "WSS"},
    {"ComboBoxMarkBFS", &S::ComboBoxMarkBFS, "Mark", "BFS"},
    {"ComboBoxMarkBFC", &S::ComboBoxMarkBFC, "Mark", "BFC"},
    {"ComboBoxMarkBTD", &S::ComboBoxMarkBTD, "Mark", "BTD"},
    {"ComboBoxMarkWTD", &S::ComboBoxMarkWTD, "Mark", "WTD"},

    {"ComboBoxSubjectTitle", &S::ComboBoxSubjectTitle, "LeftLink", "SubjectTitle", R::NonEmptyOrFallback, "議題・発言者"},
    {"ComboBoxLeftGoTop", &S::ComboBoxLeftGoTop, "LeftLink", "GoTop", R::NonEmptyOrFallback, "先頭へ戻る"},
    {"ComboBoxLeftGoBottom", &S::ComboBoxLeftGoBottom, "LeftLink", "GoBottom", R::NonEmptyOrFallback, "最終行へ"},

    {"SpinEditYakushokuPos", &S::SpinEditYakushokuPos, "Roster", "YakuPos1", R::RangeOrFallback, "4", {2, 20}},
    {"SpinEditShimeiPos", &S::SpinEditShimeiPos, "Roster", "ShimeiPos1", R::RangeOrFallback, "32", {10, 50}},
    {"SpinEditYakushokuPos2", &S::SpinEditYakushokuPos2, "Roster", "YakuPos2", R::RangeOrFallback, "56", {2, 60}},
    {"SpinEditShimeiPos2", &S::SpinEditShimeiPos2, "Roster", "ShimeiPos2", R::RangeOrFallback, "68", {10, 120}},
    {"SpinEditAnnotateLeadingZSP", &S::SpinEditAnnotateLeadingZSP, "Annotation", "LeadingZSP", R::RangeOrFallback, "24", {10, 50}},
    {"SpinEditQuotationLeadingZSP", &S::SpinEditQuotationLeadingZSP, "Quotation", "LeadingZSP", R::RangeOrFallback, "0", {0, 50}},
    {"SpinEditDocumentColorCount", &S::SpinEditDocumentColorCount, "Document", "ColorCount", R::RangeOrFallback, "0", {0, 8}},
    {"PaneWidth", &S::PaneWidth, "Pane", "Width", R::RangeOrFallback, "230", kPositive},
    {"RadioGroupCategory", &S::RadioGroupCategory, "Minutes", "Category", R::RangeOrFallback, "0", {0, 7}},

    {"MenuViewMaximized", &S::MenuViewMaximized, "Menu", "Maximized"},
    {"MenuViewStayOnTop", &S::MenuViewStayOnTop, "Menu", "StayOnTop", R::NotRead},
    {"MenuSettingsReInitialize", &S::MenuSettingsReInitialize, "Menu", "Initialload"},

    {"CheckBoxImmediateGo", &S::CheckBoxImmediateGo, "CheckBox", "ImmediateGo"},
    {"CheckBoxOpenIEatSaved", &S::CheckBoxOpenIEatSaved, "CheckBox", "OpenIEatSaved"},
    {"CheckBoxSaveAtBuild", &S::CheckBoxSaveAtBuild, "CheckBox", "SaveAtBuild"},
    {"CheckBoxOpenIEDontClose", &S::CheckBoxOpenIEDontClose, "CheckBox", "OpenIEDontClose"},
    {"CheckBoxLocalSaveThisname", &S::CheckBoxLocalSaveThisname, "CheckBox", "LocalSaveThisname"},
    {"CheckBoxWebSaveThisname", &S::CheckBoxWebSaveThisname, "CheckBox", "WebSaveThisname"},
    {"CheckBoxBindCSS", &S::CheckBoxBindCSS, "CheckBox", "BindCSS"},
    {"CheckBoxDontHighlight", &S::CheckBoxDontHighlight, "CheckBox", "DontHighlight"},
    {"CheckBoxChageHSP", &S::CheckBoxChageHSP, "CheckBox", "ChangeHSP"},
    {"CheckBoxRemoveHSP", &S::CheckBoxRemoveHSP, "CheckBox", "RemoveHSP"},
    {"CheckBoxAlternateBGColor", &S::CheckBoxAlternateBGColor, "CheckBox", "AlternateBGColor"},
    {"CheckBoxBGColorSpeakerBy", &S::CheckBoxBGColorSpeakerBy, "CheckBox", "BGColorSpeakerBy"},
    {"CheckBoxLeftLinkDuplicate", &S::CheckBoxLeftLinkDuplicate, "CheckBox", "LeftLinkDuplicate"},
    {"CheckBoxCRLF2Br", &S::CheckBoxCRLF2Br, "CheckBox", "CRLF2Br"},

    {"EditExtraTitlesAssembly", &S::EditExtraTitlesAssembly, "ExtraTitles", "Assembly"},
    {"EditExtraTitlesDiet", &S::EditExtraTitlesDiet, "ExtraTitles", "Diet"},
    {"EditExtraTitlesCooperative", &S::EditExtraTitlesCooperative, "ExtraTitles", "Cooperative"},
    {"EditExtraTitlesMeeting", &S::EditExtraTitlesMeeting, "ExtraTitles", "Meeting"},
    {"EditExtraTitlesDiscuss", &S::EditExtraTitlesDiscuss, "ExtraTitles", "Discuss"},
    {"EditExtraTitlesHearing", &S::EditExtraTitlesHearing, "ExtraTitles", "Hearing"},
    {"EditExtraTitlesTrial", &S::EditExtraTitlesTrial, "ExtraTitles", "Trial"},

    {"FormPositionTop", &S::FormPositionTop, "FormPosition", "Top", R::RangeOrFallback, "100", kPositive, false},
    {"FormPositionLeft", &S::FormPositionLeft, "FormPosition", "Left", R::RangeOrFallback, "100", kPositive, false},
    {"FormPositionWidth", &S::FormPositionWidth, "FormPosition", "Width", R::RangeOrFallback, "500", kPositive, false},
    {"FormPositionHeight", &S::FormPositionHeight, "FormPosition", "Height", R::RangeOrFallback, "300", kPositive, false},

    // Not saved; settable from the command line.
    {"SpinEditLowerLimit", &S::SpinEditLowerLimit, "", "", R::Set, {}, {0, 20}},
    {"SpinEditLineLimit", &S::SpinEditLineLimit, "", "", R::Set, {}, kNotNegative},
    {"RadioGroupSaveCharSet", &S::RadioGroupSaveCharSet, "", "", R::Set, {}, {0, 1}},
});
// clang-format on

}  // namespace

std::optional<long long> ParseSettingInteger(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long long value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string RangeText(const IntRange& range) {
  if (range.high == INT32_MAX) return std::to_string(range.low) + " or more";
  return "between " + std::to_string(range.low) + " and " + std::to_string(range.high);
}

std::span<const SettingRow> SettingsTable() {
  return kRows;
}

SettingKind KindOf(const SettingRow& row) {
  switch (row.member.index()) {
    case 0:
      return SettingKind::String;
    case 1:
      return SettingKind::Integer;
    default:
      return SettingKind::Boolean;
  }
}

const SettingRow* FindSettingByName(std::string_view name) {
  for (const auto& row : kRows) {
    if (row.name == name) return &row;
  }
  return nullptr;
}

std::string SettingValueText(const Settings& settings, const SettingRow& row) {
  return std::visit(
      [&](auto member) -> std::string {
        const auto& value = settings.*member;
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, std::string>) {
          return value;
        } else if constexpr (std::is_same_v<T, bool>) {
          return value ? "1" : "0";
        } else {
          return std::to_string(value);
        }
      },
      row.member);
}

std::optional<std::string> SetSettingFromText(Settings& settings, const SettingRow& row,
                                              std::string_view text) {
  return std::visit(
      [&](auto member) -> std::optional<std::string> {
        auto& value = settings.*member;
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, std::string>) {
          value = std::string(text);
          return std::nullopt;
        } else {
          auto number = ParseSettingInteger(text);
          if (!number) {
            return std::string(row.name) + " needs " +
                   (std::is_same_v<T, bool> ? "1 or 0" : "a whole number") + ", not \"" +
                   std::string(text) + "\"";
          }
          if constexpr (std::is_same_v<T, bool>) {
            value = *number != 0;
          } else {
            if (!row.range.Contains(*number)) {
              return std::string(row.name) + " must be " + RangeText(row.range) + ", not " +
                     std::string(text);
            }
            value = static_cast<int>(*number);
          }
          return std::nullopt;
        }
      },
      row.member);
}

}  // namespace korva

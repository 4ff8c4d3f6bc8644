#include "settings/settings.h"

#include "text/literal.h"

namespace korva {
using namespace literals;

Settings::Settings()
    : ComboBoxID_Header("line-"),
      ComboBoxP_Class_First("firstparagraph"),
      ComboBoxP_Class_Cont("continuation"),
      ComboBoxH3_ID("subject"),
      ComboBoxP_annotate("annotation"),
      ComboBoxUL_ID("enumeration"),
      ComboBoxLI_ID("bill"),
      ComboBoxBQ_ID("quotation"),
      ComboBoxPQ_ID("quotation"),
      ComboBoxDOC_ID("sentence"),
      ComboBoxClassWSC("chairperson"),
      ComboBoxClassWSQ("committeechair"),
      ComboBoClassBRL("member"),
      ComboBoxClassWDC("mayor"),
      ComboBoxClassWRL("officer"),
      ComboBoxClassBTU("publicspeaker"),
      ComboBoxCalssWTU("witness"),
      ComboBoxClassWSS("aide"),
      ComboBoxClassBFS("auditor"),
      ComboBoxClassBFC("citizen"),
      ComboBoxClassBTD("subject"),
      ComboBoxClassWTD("subcomp"),
      ComboBoxMarkWSC("○"_sj),
      ComboBoxMarkWSQ("□"_sj),
      ComboBoxMarkBRL("◆"_sj),
      ComboBoxMarkWDC("◎"_sj),
      ComboBoxMarkWRL("◇"_sj),
      ComboBoxMarkBTU("▲"_sj),
      ComboBoxMarkWTU("△"_sj),
      ComboBoxMarkWSS("☆"_sj),
      ComboBoxMarkBFS("★"_sj),
      ComboBoxMarkBFC("※"_sj),
      ComboBoxMarkBTD("▼"_sj),
      ComboBoxMarkWTD("▽"_sj),
      ComboBoxSubjectTitle("議題・発言者"_sj),
      ComboBoxLeftGoTop("先頭へ戻る"_sj),
      ComboBoxLeftGoBottom("最終行へ"_sj) {}

}  // namespace korva

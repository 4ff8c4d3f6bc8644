#include "session/document.h"

namespace korva {

void Document::StringListAllClear() {
  for (StringList* list :
       {&MinutesTextList, &ConvertedTextList, &SearchWordList, &SpeakerNavEntryList, &BodyHTMLList,
        &NavHTMLList, &NavWorkList, &TwoPaneListHTMLList, &BrowseTempList1}) {
    list->clear();
  }
  SpeakerNameSet.Clear();
  SpeakerSentenceSet.Clear();
}

}  // namespace korva

#include "session/document.h"

#include <gtest/gtest.h>

namespace korva {
namespace {

TEST(SortedStringSet, KeepsOrderAndIgnoresDuplicatesWithoutRegardToCase) {
  SortedStringSet set;
  EXPECT_TRUE(set.Add("b"));
  EXPECT_TRUE(set.Add("a"));
  EXPECT_FALSE(set.Add("b"));
  EXPECT_FALSE(set.Add("B"));
  EXPECT_TRUE(set.Add("C"));
  EXPECT_EQ(set.Items(), (std::vector<std::string>{"a", "b", "C"}));
  EXPECT_TRUE(set.Contains("c"));
}

TEST(Document, StringListAllClearKeepsTheDocumentAndIncludeLists) {
  Document doc;
  auto fill = [](StringList& l) { l = {"x"}; };
  for (StringList* l :
       {&doc.MinutesTextList, &doc.SpeakerNavEntryList, &doc.BodyHTMLList, &doc.NavHTMLList,
        &doc.LocalTopFrameIncludeList, &doc.LocalSidelinkIncludeList, &doc.WebTopFrameIncludeList,
        &doc.WebSidelinkIncludeList, &doc.ContentsWorkList1, &doc.ContentsWorkList2,
        &doc.LocalHeadIncludeList, &doc.WebHeadIncludeList, &doc.DocumentHTMLList,
        &doc.TryOutCSSList, &doc.LocalCSSList, &doc.WebCSSList, &doc.ForcedBreakTextList}) {
    fill(*l);
  }
  doc.SpeakerNameSet.Add("x");
  doc.SpeakerSentenceSet.Add("x");
  doc.StringListAllClear();

  for (const StringList* l :
       {&doc.MinutesTextList, &doc.SpeakerNavEntryList, &doc.BodyHTMLList, &doc.NavHTMLList}) {
    EXPECT_TRUE(l->empty());
  }
  EXPECT_TRUE(doc.SpeakerNameSet.Empty());
  EXPECT_TRUE(doc.SpeakerSentenceSet.Empty());
  // The include files outlive a new analysis of the text; opening reloads them.
  for (const StringList* l :
       {&doc.LocalTopFrameIncludeList, &doc.LocalSidelinkIncludeList, &doc.WebTopFrameIncludeList,
        &doc.WebSidelinkIncludeList, &doc.ContentsWorkList1, &doc.ContentsWorkList2,
        &doc.LocalHeadIncludeList, &doc.WebHeadIncludeList, &doc.DocumentHTMLList,
        &doc.TryOutCSSList, &doc.LocalCSSList, &doc.WebCSSList, &doc.ForcedBreakTextList}) {
    EXPECT_EQ(*l, StringList{"x"});
  }
}

TEST(LineTable, ClearedStateHoldsOneEmptyRow) {
  LineTable table;
  EXPECT_EQ(table.RowCount(), 1u);
  table.Resize(3);
  table.Row(3).LineKind = "2";
  EXPECT_EQ(table.RowCount(), 3u);
  table.Clear();
  EXPECT_EQ(table.RowCount(), 1u);
  EXPECT_EQ(table.Row(1).LineKind, "");
  EXPECT_THROW(table.Row(2), std::out_of_range);
}

}  // namespace
}  // namespace korva

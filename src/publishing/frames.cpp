#include "publishing/frames.h"

#include "html/document_html.h"
#include "html/tags.h"
#include "text/literal.h"

namespace korva {
using namespace literals;

int AddTopFrame(StringList& list, const StringList& includeList, int kind) {
  if (!includeList.empty()) {
    list.insert(list.end(), includeList.begin(), includeList.end());
    return 0;
  }
  if (kind != 0 && kind != 1 && kind != 9) return 0;
  list.emplace_back(tags::kTopFrameOpen);
  list.emplace_back(tags::kTopFrameCaption);
  list.emplace_back(tags::kTopFrameList);
  list.insert(list.end(), tags::TopFrameItems().begin(), tags::TopFrameItems().end());
  list.emplace_back(tags::kListClose);
  list.emplace_back(kind == 9 ? tags::kDivClose : tags::kTopFrameClose);
  return 0;
}

int AddSidelink(StringList& list, const StringList& includeList, int kind) {
  if (!includeList.empty()) return LoadHeadFromFile(list, includeList);
  list.push_back("<pre class=\"right-nav\">");
  if (kind == 0) list.push_back("【 〔 右 〕サイド・リンク・フレーム 】"_sj);
  list.insert(list.end(),
              {"", "", "会議録一覧（ 見本 ）"_sj, "", "", "【 平成２６年１２月（第４回）】"_sj, "",
               "　　<a href=\"@n-html@\">@filename@</a>"_sj, "", "", "</pre>"});
  return 0;
}

}  // namespace korva

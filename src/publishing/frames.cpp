#include "publishing/frames.h"

#include "text/literal.h"

namespace korva {
using namespace literals;

int AddTopFrame(StringList& list, const StringList& includeList, int kind) {
  if (!includeList.empty()) {
    list.insert(list.end(), includeList.begin(), includeList.end());
    return 0;
  }
  if (kind != 0 && kind != 1 && kind != 9) return 0;
  list.insert(
      list.end(),
      {
          "<div id=\"tf\">",
          "<h1 class=\"topframe\">@t-caption@</h1>",
          "<ul class=\"topframe\">",
          "<li><a href=\"@home@\"><span class=\"item1\">ホーム</span></a></li>"_sj,
          "<li><a href=\"@top@\"><span class=\"item2\">議会トップ</span></a></li>"_sj,
          "<li><a href=\"@list@\"><span class=\"item3\">会議録一覧へ戻る</span></a></li>"_sj,
          "<li><a href=\"@n-html@\"><span class=\"item4\">通常表示</span></a></li>"_sj,
          "<li><a href=\"@h-html@\"><span class=\"item5\">２画面【 横 】表示</span></a></li>"_sj,
          "<li><a href=\"@v-html@\"><span class=\"item6\">２画面【 縦 】表示</span></a></li>"_sj,
          "</ul>",
      });
  list.push_back(kind == 9 ? "</div>" : "</div><!--  //<div id=\"tf\"       -->");
  return 0;
}

int AddSidelink(StringList& list, const StringList& includeList, int kind) {
  if (!includeList.empty()) {
    list.insert(list.end(), includeList.begin(), includeList.end());
    return 0;
  }
  list.push_back("<pre class=\"right-nav\">");
  if (kind == 0) list.push_back("【 〔 右 〕サイド・リンク・フレーム 】"_sj);
  list.insert(list.end(),
              {"", "", "会議録一覧（ 見本 ）"_sj, "", "", "【 平成２６年１２月（第４回）】"_sj, "",
               "　　<a href=\"@n-html@\">@filename@</a>"_sj, "", "", "</pre>"});
  return 0;
}

}  // namespace korva

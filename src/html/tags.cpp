#include "html/tags.h"

#include "text/literal.h"

namespace korva::tags {
using namespace literals;

const std::vector<std::string>& TopFrameItems() {
  static const std::vector<std::string> items = {
      "<li><a href=\"@home@\"><span class=\"item1\">ホーム</span></a></li>"_sj,
      "<li><a href=\"@top@\"><span class=\"item2\">議会トップ</span></a></li>"_sj,
      "<li><a href=\"@list@\"><span class=\"item3\">会議録一覧へ戻る</span></a></li>"_sj,
      "<li><a href=\"@n-html@\"><span class=\"item4\">通常表示</span></a></li>"_sj,
      "<li><a href=\"@h-html@\"><span class=\"item5\">２画面【 横 】表示</span></a></li>"_sj,
      "<li><a href=\"@v-html@\"><span class=\"item6\">２画面【 縦 】表示</span></a></li>"_sj,
  };
  return items;
}

}  // namespace korva::tags

#include "app/help_pages.h"

namespace korva::app {

namespace {

const char kMinutesFormat[] = R"(
<h2>会議録テキストの書式</h2>
<p>KORVA は、会議録のテキスト・ファイル（Shift_JIS）を１行ずつ読み、発言者の行、議題、注記などを見分けて、
発言者の区分ごとに色分けしたＨＴＭＬを作ります。</p>
<h3>ファイル名</h3>
<p><b>題名@ファイル名.txt</b> の形にすると、「@」の前が文書の題名に、後ろが作られるＨＴＭＬのファイル名になります。
例：<code>令和６年第１回定例会「本会議」@r0612t1-1.txt</code> → 題名「本会議」、ファイル <code>r0612t1-1.html</code>。
「@」がないときは、ファイル名は「dummy」になります。</p>
<h3>議事の始まりと終わり</h3>
<p>議事（発言）の部分は、<b>「■」で始まる行</b>で囲みます。最初の「■」行より前と、最後の「■」行より後は、
ヘッダー・フッター（出席者、日時など）として扱われます。</p>
<h3>発言者の行</h3>
<p>発言者の行は、行頭の記号（○ ◎ ◆ ◇ など）か、発言者名の終わりの役職（議長、委員長、市長、君 など）で見分けます。
<br><code>○議長（山田太郎君）　ただいまから会議を開きます。</code></p>
<p>役職と名前の後に全角空白を一つ置き、その後に発言を続けます。発言の２段落目以降は、行頭を全角空白で始めます。</p>
<h3>議題・注記</h3>
<ul>
<li>「日程第１」などの議題は見出しになり、ナビゲーションの一覧に入ります。</li>
<li>〔「異議なし」と呼ぶ者あり〕、休憩・再開などは注記として字下げされます。</li>
<li>「。。」で始まる行はコメント行として扱われます。</li>
</ul>
)";

const char kBlockMarks[] = R"(
<h2>加工マーク</h2>
<p>テキストの一部を特別に扱わせたいときは、その部分を次のマークの行で囲みます。マークはそれぞれ１行に単独で書き、
「開始」と「終了」の数を必ずそろえます（そろわないときは【 警告・エラー表示 】に表示され、ＨＴＭＬは作られません）。</p>
<table border="1" cellpadding="4">
<tr><th>開始</th><th>終了</th><th>扱い</th></tr>
<tr><td>｛｛</td><td>｝｝</td><td>出席者などの名簿（役職と氏名をそろえて並べる）</td></tr>
<tr><td>「「</td><td>」」</td><td>列挙（箇条書き）</td></tr>
<tr><td>【【</td><td>】】</td><td>引用</td></tr>
<tr><td>〔〔</td><td>〕〕</td><td>段落をそのまま残す</td></tr>
<tr><td>『『</td><td>』』</td><td>ＨＴＭＬを直接書く</td></tr>
<tr><td>＜＜</td><td>＞＞</td><td>コメント</td></tr>
<tr><td>（（</td><td>））</td><td>プレーン・テキスト</td></tr>
</table>
<p>行頭の「＼」はその行を除き、「￣」は全角空白に置き換えられます。</p>
)";

const char kExceptions[] = R"(
<h2>例外への対処</h2>
<ul>
<li><b>発言者と見なされてしまう行</b>：行頭に全角空白を入れると、前の発言の続きの段落になります。</li>
<li><b>発言者と見なされない行</b>：行頭に発言者の記号（○ など）を付けるか、役職の後に全角空白を入れてください。</li>
<li><b>議題にしたくない見出し</b>：「／」で始まる見出しは、ナビゲーションの一覧に入りません。</li>
<li><b>そのまま出したいＨＴＭＬ</b>：『『 と 』』 で囲みます。</li>
<li>テキストを直したら、【 再読み込み 】ボタンで読み込み直してから、もう一度ＨＴＭＬを生成します。</li>
</ul>
)";

const char kRoster[] = R"(
<h2>名簿の文字位置調整</h2>
<p>｛｛ と ｝｝ で囲んだ名簿の行は、役職と氏名の文字位置をそろえて２段に並べます。</p>
<ul>
<li>【 名簿 】の設定で、１段目と２段目の「役職の位置」「氏名の位置」を、行頭からのバイト数（全角１文字が２）で指定します。</li>
<li>名簿の１行は「役職　氏名」のように、全角空白で区切って書きます。</li>
<li>位置を変えたら、もう一度ＨＴＭＬを生成して確かめます。</li>
</ul>
)";

const char kGeneralDocuments[] = R"(
<h2>一般の議事録</h2>
<p>会議のカテゴリを「一般文書」にすると、発言者の区分による色分けをせず、見出しと段落だけの文書として扱います。
組合の会議、討論会、公聴会、裁判調書などは、それぞれのカテゴリを選ぶと、役職の表とクラス名がそのカテゴリに合わせて変わります。</p>
<p>手順：</p>
<ol>
<li>【 基本設定 】でフォルダーを設定し、「変更した設定を保存する」で保存します。</li>
<li>会議録テキストを開くか、ウェブ・ページからコピーした会議録を貼り付けます。</li>
<li>「発言者別に【 色分け表示 】したHTMLを生成する」を押します。</li>
<li>ローカル用の３ファイル、公開用のＨＴＭＬを生成し、ブラウザで確かめます。</li>
</ol>
)";

}  // namespace

const std::vector<HelpPage>& HelpPages() {
  static const std::vector<HelpPage> pages = {
      {"PageControlGlobalTab02Format", QStringLiteral("  【 会議録の書式 】    "),
       QString::fromUtf8(kMinutesFormat)},
      {"PageControlGlobalTab03Marks", QStringLiteral("  【  加 工 マ ー ク  】     "),
       QString::fromUtf8(kBlockMarks)},
      {"PageControlGlobalTab04Exceptions", QStringLiteral("    【  「 例外への対処  】 "),
       QString::fromUtf8(kExceptions)},
      {"PageControlGlobalTab05Roster", QStringLiteral("　【 名簿の文字位置調整  】  "),
       QString::fromUtf8(kRoster)},
      {"PageControlGlobalTab06General", QStringLiteral("   【  一般の議事録   】   "),
       QString::fromUtf8(kGeneralDocuments)},
  };
  return pages;
}

QString InitialDescriptionHtml() {
  return QStringLiteral(
      "<p><b>KORVA</b> は、会議録のテキストを、発言者の区分ごとに色分けしたＨＴＭＬにします。"
      "議題と発言者の一覧（ナビゲーション）、上下・左右２画面の表示、ウェブ公開用のファイル一式も作"
      "ります。</p>"
      "<p>使い方：① 会議録テキスト・ファイルを開く　② 色分け表示したＨＴＭＬを生成する　"
      "③ ローカル用の３ファイルを生成して確かめる　④ 公開用ＨＴＭＬを生成する。"
      "書式と加工マークは、下の説明のタブを見てください。</p>");
}

}  // namespace korva::app

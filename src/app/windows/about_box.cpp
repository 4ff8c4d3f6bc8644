#include "app/windows/about_box.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/windows/preview_panes.h"
#include "session/captions.h"

namespace korva::app {

QString TAboutBox::AboutHtml() {
  const QString engine = PreviewEngine();
  const bool ipaFont = QFontDatabase::families().contains(QStringLiteral("IPAGothic"));
  QString html = QStringLiteral(
                     "<h2>Velkorin( KORVA )</h2>"
                     "<p>Ver.%1（ビルド %2）</p>"
                     "<p>会議録のテキストを、発言者別に色分けしたＨＴＭＬに変換します。"
                     "発言者・議題のナビゲーション、２画面のローカル用３ファイル、公開用ＨＴＭＬも"
                     "生成します。</p>"
                     "<h3>ライセンス</h3>"
                     "<p>本ソフトのライセンスは、まだ定められていません。</p>"
                     "<h3>使用しているライブラリ</h3><ul>"
                     "<li>Qt %3（ Widgets ）— LGPL-3.0</li>")
                     .arg(QString::fromLatin1(kVersionDate), QStringLiteral(KORVA_VERSION),
                          QString::fromLatin1(qVersion()));
  if (!engine.isEmpty()) {
    html += QStringLiteral("<li>%1 — LGPL-3.0（ Chromium は BSD 形式ほかのライセンス ）</li>")
                .arg(engine.toHtmlEscaped());
  }
  if (ipaFont)
    html += QStringLiteral("<li>IPAゴシック（ 日本語の表示 ）— IPA フォントライセンス v1.0</li>");
  return html + QStringLiteral("</ul>");
}

TAboutBox::TAboutBox(QWidget* owner) : QDialog(owner) {
  setObjectName("TAboutBox");
  setWindowTitle(QStringLiteral("このソフトについて"));
  resize(520, 420);
  auto* layout = new QVBoxLayout(this);
  auto* text = new QTextBrowser(this);
  text->setObjectName("MemoAbout");
  text->setHtml(AboutHtml());
  layout->addWidget(text, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->setObjectName("ButtonsAbout");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

}  // namespace korva::app

// The include-file tabs of the right side: each include file's text as the
// generators will copy it, under its file name.
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/pages/page_widgets.h"
#include "app/qt_text.h"

namespace korva::app {

namespace {

struct IncludeMemo {
  const char* memo;  // the memo's name; its label is "Label" + the same
  QString caption;
  int index;  // into Document::IncludeFileLabels and the include lists
};

const StringList& IncludeLines(const Document& doc, int index) {
  const StringList* lists[6] = {&doc.LocalHeadIncludeList,     &doc.LocalTopFrameIncludeList,
                                &doc.LocalSidelinkIncludeList, &doc.WebHeadIncludeList,
                                &doc.WebTopFrameIncludeList,   &doc.WebSidelinkIncludeList};
  return *lists[index];
}

void BuildIncludeMemos(QWidget* page, PageHost& host, const std::vector<IncludeMemo>& memos) {
  QLayout* column = page->layout();
  for (const IncludeMemo& item : memos) {
    auto* group = new QGroupBox(item.caption, page);
    auto* inner = new QVBoxLayout(group);
    const QString labelName = QStringLiteral("Label") + item.memo;
    inner->addWidget(
        ShownLabel(labelName.toLatin1().constData(), group, host,
                   [&host, index = item.index] { return host.doc.IncludeFileLabels[index]; }));
    auto* memo = new QPlainTextEdit(group);
    memo->setObjectName(item.memo);
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    inner->addWidget(memo, 1);
    column->addWidget(group);
    host.OnRefresh([memo, &host, index = item.index] {
      QStringList lines;
      for (const std::string& line : IncludeLines(host.doc, index)) lines << FromCp932(line);
      const QString text = lines.join('\n');
      if (memo->toPlainText() != text) memo->setPlainText(text);
    });
  }
}

}  // namespace

void BuildLocalIncludePage(QWidget* page, PageHost& host) {
  BuildIncludeMemos(
      page, host,
      {{"MemoLocalHeadInclude", QStringLiteral("  【 ヘッド （ .hin ） 】 "), 0},
       {"MemoLocalTopFrameInclude", QStringLiteral("  【 トップ・フレーム （ .tin ） 】 "), 1}});
}

void BuildWebIncludePage(QWidget* page, PageHost& host) {
  BuildIncludeMemos(
      page, host,
      {{"MemoWebHeadInclude", QStringLiteral("  【 ヘッド （ .hin ） 】 "), 3},
       {"MemoWebTopframeInclude", QStringLiteral("  【 トップ・フレーム （ .tin ） 】 "), 4}});
}

void BuildSidelinkIncludePage(QWidget* page, PageHost& host) {
  BuildIncludeMemos(
      page, host,
      {{"MemoLocalSidelinkInclude", QStringLiteral("  【 ローカル用 （ .sin ） 】 "), 2},
       {"MemoWebSidelinkInclude", QStringLiteral("  【 公開用 （ .sin ） 】 "), 5}});
}

}  // namespace korva::app

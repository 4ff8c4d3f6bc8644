// 【 警告・エラー表示 】: how many opening and closing block marks the minutes
// hold, a pair that does not agree in bold with its closing count red, and
// where the marks fail to pair up.
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "analysis/block_check.h"
#include "analysis/speaker_lists.h"
#include "app/pages/page_widgets.h"
#include "app/qt_text.h"

namespace korva::app {

namespace {

// The count labels of the six pairs, in the order CheckProcessMarkCount gives them.
const char* const kCountLabels[6][2] = {
    {"LabelEnumStartCnt", "LabelEnumEndCnt"},
    {"LabelHTMLStartCnt", "LabelHTMLEndCnt"},
    {"LabelRosterStartCnt", "LabelRosterEndCnt"},
    {"LabelCommentStartCnt", "LabelCommentEndCnt"},
    {"LabelQuoteStartCnt", "LabelQuoteEndCnt"},
    {"LabelParagraphStartCnt", "LabelParagraphEndCnt"},
};

QString ProblemText(const BlockMarkProblem& problem) {
  const QString line = QString::number(problem.line);
  const QString opening = FromCp932(problem.opening);
  const QString closing = FromCp932(problem.closing);
  if (problem.kind == BlockMarkProblem::Kind::NotClosed) {
    return QStringLiteral("%1 行目：「 %2 」を閉じる「 %3 」がありません")
        .arg(line, opening, closing);
  }
  return QStringLiteral("%1 行目：「 %2 」の前に「 %3 」がありません").arg(line, closing, opening);
}

}  // namespace

void BuildWarningsPage(QWidget* page, PageHost& host) {
  QWidget* content = ScrolledContent(page);
  QVBoxLayout* column = PageColumn(content);
  QGridLayout* grid = nullptr;
  column->addWidget(Group(QStringLiteral("  【 加 工 マ ー ク 】 "), content, &grid));
  grid->addWidget(Caption(QStringLiteral("開始"), content), 0, 2, Qt::AlignRight);
  grid->addWidget(Caption(QStringLiteral("終了"), content), 0, 3, Qt::AlignRight);
  const MarkCountCheck empty = CheckProcessMarkCount(Document{});
  QLabel* counts[6][2];
  for (int pair = 0; pair < 6; ++pair) {
    const MarkPairCount& marks = empty.pairs[static_cast<std::size_t>(pair)];
    grid->addWidget(Caption(FromCp932(marks.caption), content), pair + 1, 0);
    grid->addWidget(Caption(FromCp932(marks.opening + "  " + marks.closing), content), pair + 1, 1);
    for (int end = 0; end < 2; ++end) {
      counts[pair][end] = Caption(QStringLiteral("0"), content);
      counts[pair][end]->setObjectName(kCountLabels[pair][end]);
      counts[pair][end]->setMinimumWidth(40);
      counts[pair][end]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      grid->addWidget(counts[pair][end], pair + 1, 2 + end);
    }
  }
  grid->setColumnStretch(4, 1);

  QGridLayout* where = nullptr;
  column->addWidget(Group(QStringLiteral("  【 対応しないマークの位置 】 "), content, &where));
  auto* problems = new QListWidget(content);
  problems->setObjectName("ListBoxMarkProblems");
  where->addWidget(problems, 0, 0);
  column->addStretch();

  host.OnRefresh([&host, counts, problems, version = std::size_t(-1)]() mutable {
    const MarkCountCheck check = CheckProcessMarkCount(host.doc);
    for (int pair = 0; pair < 6; ++pair) {
      const MarkPairCount& marks = check.pairs[static_cast<std::size_t>(pair)];
      const int values[2] = {marks.openCount, marks.closeCount};
      for (int end = 0; end < 2; ++end) {
        QLabel* label = counts[pair][end];
        label->setText(QString::number(values[end]));
        const bool closingRed = end == 1 && !marks.Balanced();
        label->setStyleSheet(
            QStringLiteral("font-weight: %1; color: %2;")
                .arg(marks.Balanced() ? "normal" : "bold", closingRed ? "red" : "black"));
      }
    }
    // The pairing is worked out again only for a table that changed.
    const LineTable& table = host.doc.MinutesTextStringGrid;
    if (table.Version() == version) return;
    version = table.Version();
    problems->clear();
    for (const BlockMarkProblem& problem : FindBlockMarkProblems(table)) {
      problems->addItem(ProblemText(problem));
    }
  });
}

}  // namespace korva::app

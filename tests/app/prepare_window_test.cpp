// The preparation (下準備) from the window: real minutes that a minutes
// system exported, the proposal in its dialog, and the chosen changes in the
// pane and in the line table.
#include <QAbstractItemModel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <functional>

#include "app/windows/prepare_dialog.h"
#include "app_fixture.h"
#include "prepare/prepare.h"
#include "text/sjis.h"

namespace korva::testing {

namespace {

// Otofuke: every designation stands alone on its line; a reader counts 198 speeches.
const char kOtofuke[] = "07_otofuke_town_plenary_2024-12-17.txt";
constexpr int kOtofukeSpeeches = 198;

std::filesystem::path Corpus(const char* name) {
  return std::filesystem::path(SourceDir()) / "tests/data/corpus" / name;
}

// Settings with folders for the HTML, which is only made when asked for.
void WriteSettings(const AppFolder& folder) {
  folder.WriteSettings(folder.QuietSettings());
}

void OpenOtofuke(Window& window) {
  window.prompter.paths.push_back(Utf8ToCp932(Corpus(kOtofuke).string()));
  window.Trigger("tbOpenFile");
}

// The speaker lines the line table shows.
int SpeakerRows(const Window& window) {
  const QAbstractItemModel* model =
      window.form->findChild<QTableView*>("MinutesTextStringGrid")->model();
  int speakers = 0;
  for (int row = 0; row < model->rowCount(); ++row) {
    if (model->index(row, 4).data().toString() == QStringLiteral("2")) ++speakers;
  }
  return speakers;
}

// Answers the dialog the command is about to run modally with `answer`;
// Seen() tells whether a dialog came.
class DialogAnswer {
 public:
  explicit DialogAnswer(std::function<void(app::PrepareDialog&)> answer)
      : state_(std::make_shared<State>(State{std::move(answer)})) {
    Poll(state_, 300);
  }
  ~DialogAnswer() { state_->done = true; }
  bool Seen() const { return state_->seen; }

 private:
  struct State {
    std::function<void(app::PrepareDialog&)> answer;
    bool seen = false, done = false;
  };
  static void Poll(const std::shared_ptr<State>& state, int triesLeft) {
    QTimer::singleShot(10, [state, triesLeft] {
      if (state->done || triesLeft == 0) return;
      if (auto* dialog = qobject_cast<app::PrepareDialog*>(QApplication::activeModalWidget())) {
        state->seen = state->done = true;
        state->answer(*dialog);
        return;
      }
      Poll(state, triesLeft - 1);
    });
  }
  std::shared_ptr<State> state_;
};

void Click(app::PrepareDialog& dialog, const char* button) {
  dialog.findChild<QPushButton*>(button)->click();
}

}  // namespace

class PrepareWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void TheCommandIsInTheToolBarAndTheTextMenu();
  void ChosenChangesReachThePaneAndTheLineTable();
  void PreparedMinutesNeedNoMore();
};

void PrepareWindowTest::TheCommandIsInTheToolBarAndTheTextMenu() {
  AppFolder folder;
  Window window(folder);
  for (const char* name : {"tbPrepareMinutes", "MenuTextPrepareMinutes"}) {
    QAction* action = window.form->findChild<QAction*>(name);
    QVERIFY2(action && action->isEnabled(), name);
    QCOMPARE(action->toolTip(), QStringLiteral("会議録の下準備"));
  }
}

void PrepareWindowTest::ChosenChangesReachThePaneAndTheLineTable() {
  enum class Answer { All, None, Cancel, AllButOneJoin };
  const struct {
    const char* name;
    Answer answer;
  } cases[] = {{"all, as proposed", Answer::All},
               {"none, then apply", Answer::None},
               {"cancelled", Answer::Cancel},
               {"none, all again, then one join left out", Answer::AllButOneJoin}};
  const std::string original = ReadFileBytes(Corpus(kOtofuke)).bytes;
  const std::vector<std::string> lines = sjis::SplitLines(original);
  for (const auto& c : cases) {
    AppFolder folder;
    WriteSettings(folder);
    Window window(folder);
    QVERIFY(window.Start());
    OpenOtofuke(window);
    QCOMPARE(SpeakerRows(window), 0);
    const PrepareResult proposal = PrepareMinutes(lines, window.form->settings());
    // The change left out: a designation joined to its speech, well inside the text.
    std::size_t leftOut = 0;
    while (leftOut < proposal.changes.size() &&
           (proposal.changes[leftOut].line < 100 ||
            Cp932ToUtf8Lossy(proposal.changes[leftOut].reason).find("発言者名だけの行") != 0)) {
      ++leftOut;
    }
    QVERIFY(leftOut < proposal.changes.size());
    window.Trigger("tbMakeHTMLGo");
    const std::string htmlBefore = window.PaneText("EditorHTML");
    QVERIFY(!htmlBefore.empty());

    std::size_t rows = 0;
    DialogAnswer answer([&](app::PrepareDialog& dialog) {
      rows = static_cast<std::size_t>(
          dialog.findChild<QTableWidget*>("PrepareChangeTable")->rowCount());
      switch (c.answer) {
        case Answer::All:
          Click(dialog, "PrepareApply");
          break;
        case Answer::None:
          Click(dialog, "PrepareSelectNone");
          Click(dialog, "PrepareApply");
          break;
        case Answer::Cancel:
          Click(dialog, "PrepareCancel");
          break;
        case Answer::AllButOneJoin:
          Click(dialog, "PrepareSelectNone");
          Click(dialog, "PrepareSelectAll");
          dialog.findChild<QTableWidget*>("PrepareChangeTable")
              ->item(static_cast<int>(leftOut), 0)
              ->setCheckState(Qt::Unchecked);
          Click(dialog, "PrepareApply");
          break;
      }
    });
    window.Trigger("tbPrepareMinutes");
    QVERIFY2(answer.Seen(), c.name);
    QCOMPARE(rows, proposal.changes.size());
    const std::string text = window.form->Pane("EditorMinutesText")->Cp932Text();

    if (c.answer == Answer::None || c.answer == Answer::Cancel) {
      QVERIFY2(text == original, c.name);
      QCOMPARE(SpeakerRows(window), 0);
      QVERIFY2(window.Caption().find("変更されました") == std::string::npos, c.name);
      QCOMPARE(window.PaneText("EditorHTML"), htmlBefore);
      continue;
    }
    std::vector<bool> chosen(proposal.changes.size(), true);
    if (c.answer == Answer::AllButOneJoin) chosen[leftOut] = false;
    QVERIFY2(text == ApplyPrepareChangesToText(original, proposal.changes, chosen), c.name);
    QVERIFY2(window.Caption().find("変更されました") != std::string::npos, c.name);
    // The line table is the analysis of the text as applied, line for line.
    const QAbstractItemModel* table =
        window.form->findChild<QTableView*>("MinutesTextStringGrid")->model();
    const std::vector<std::string> shown = sjis::SplitLines(text);
    QCOMPARE(table->rowCount(), static_cast<int>(shown.size()));
    QCOMPARE(SpeakerRows(window), kOtofukeSpeeches);
    if (c.answer == Answer::AllButOneJoin) {
      // The lines of the change left out stay as they were, in the file's own line ends (LF).
      std::string kept = "\n";
      for (const std::string& line : sjis::SplitLines(proposal.changes[leftOut].before)) {
        kept += line + "\n";
      }
      QVERIFY2(text.find(kept) != std::string::npos, c.name);
    }
    // The HTML that was shown is made again from the prepared text.
    QTRY_VERIFY_WITH_TIMEOUT(
        window.PaneText("EditorHTML") != htmlBefore && !window.PaneText("EditorHTML").empty(),
        5000);
  }
}

// Preparing again after everything was applied has nothing to propose, and
// says so instead of showing an empty list.
void PrepareWindowTest::PreparedMinutesNeedNoMore() {
  AppFolder folder;
  WriteSettings(folder);
  Window window(folder);
  QVERIFY(window.Start());
  OpenOtofuke(window);
  for (const bool firstRun : {true, false}) {
    DialogAnswer answer([](app::PrepareDialog& dialog) { Click(dialog, "PrepareApply"); });
    window.Trigger("MenuTextPrepareMinutes");
    Pump(50);
    QCOMPARE(answer.Seen(), firstRun);
    QCOMPARE(window.prompter.informations.size(), firstRun ? std::size_t{0} : std::size_t{1});
  }
  QCOMPARE(window.prompter.informations.back(),
           std::string("この会議録には、下準備で変える所はありません。"));
  QCOMPARE(SpeakerRows(window), kOtofukeSpeeches);
}

}  // namespace korva::testing

QTEST_MAIN(korva::testing::PrepareWindowTest)
#include "prepare_window_test.moc"

#include "app/windows/forced_break_panel.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/main_form.h"
#include "settings/settings_table.h"

namespace korva::app {

namespace {

using Slot = void (TAMainForm::*)();

struct Command {
  const char* name;
  const char* caption;
  const char* hint;
  Slot slot;
};

const Command kPaste = {"btnForcedBreakPaste", "貼り付け", "強制改行のテキストを貼り付ける  ",
                        &TAMainForm::tbForWordWrapCopyFromClipbdClick};
const Command kParagraphs = {"btnDoWordWrap", "段落に変換", "【強制改行】を【段落】に変換する ",
                             &TAMainForm::tbDoWordWrapClick};
const Command kBackSlash = {"btnDoAddBackSlash", "＼を付加", "行末に ” ＼ \"を付加する  ",
                            &TAMainForm::tbDoAddBackSlashClick};
const Command kCopy = {"btnDoWordWrapCOPY", "コピー",
                       "強制改行を【段落】に変換したテキストをコピーする  ",
                       &TAMainForm::tbDoWordWrapCOPYClick};

QFrame* Panel(const char* name, QWidget* page) {
  auto* panel = new QFrame(page);
  panel->setObjectName(name);
  panel->setFrameShape(QFrame::StyledPanel);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(4, 2, 4, 2);
  layout->setSpacing(2);
  // Above the pane's search bar.
  static_cast<QVBoxLayout*>(page->layout())->insertWidget(0, panel);
  return panel;
}

// The caption and the command buttons of a panel; `part` goes into the
// buttons' names after "btn".
QHBoxLayout* CommandRow(TAMainForm& form, QWidget* panel, const QString& caption,
                        std::initializer_list<Command> commands, const QString& part = {}) {
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(caption, panel));
  for (const Command& command : commands) {
    auto* button = new QPushButton(QString::fromUtf8(command.caption), panel);
    button->setObjectName(QString::fromLatin1(command.name).replace("btn", "btn" + part));
    button->setToolTip(QString::fromUtf8(command.hint));
    QObject::connect(button, &QPushButton::clicked, &form, command.slot);
    row->addWidget(button);
  }
  row->addStretch(1);
  static_cast<QVBoxLayout*>(panel->layout())->addLayout(row);
  return row;
}

}  // namespace

ForcedBreakPanels::ForcedBreakPanels(TAMainForm& form) : QObject(&form), form_(form) {
  textPanel_ = TextPanel(form.findChild<QWidget*>("PGRightTab06MinutesText"));
  bodyPanel_ = BodyPanel(form.findChild<QWidget*>("PGLeftTab08HTMLBody"));
  PanelCRLFInitialize(0);
}

QFrame* ForcedBreakPanels::TextPanel(QWidget* page) {
  QFrame* panel = Panel("PanelPGRightTab06Top", page);
  CommandRow(form_, panel, QStringLiteral("強制改行の変換："),
             {kPaste, kParagraphs, kBackSlash, kCopy});
  textSettings_ = new QWidget(panel);
  auto* grid = new QGridLayout(textSettings_);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(2);
  const Settings& settings = form_.settings();
  // The controls carry the settings' names: every command reads them.
  auto spin = [&](int row, const char* name, const char* caption, int value) {
    grid->addWidget(new QLabel(QString::fromUtf8(caption), textSettings_), row, 0);
    auto* box = new QSpinBox(textSettings_);
    box->setObjectName(name);
    const IntRange range = FindSettingByName(name)->range;
    box->setRange(range.low, range.high);
    box->setValue(value);
    grid->addWidget(box, row, 1);
  };
  spin(0, "SpinEditLowerLimit", "この文字数以下の【 行 】をPDFのページ番号行とみなして除く",
       settings.SpinEditLowerLimit);
  spin(1, "SpinEditLineLimit", "この文字数以上を強制改行【 行 】とみなす",
       settings.SpinEditLineLimit);
  auto check = [&](int row, const char* name, const char* caption, bool value) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), textSettings_);
    box->setObjectName(name);
    box->setChecked(value);
    grid->addWidget(box, row, 2);
  };
  check(0, "CheckBoxRemoveHSP", "「 半角 」を” 除去 ”する  ", settings.CheckBoxRemoveHSP);
  check(1, "CheckBoxChageHSP", "「 半角 」を「 全角 」に変換する ", settings.CheckBoxChageHSP);
  grid->setColumnStretch(3, 1);
  panel->layout()->addWidget(textSettings_);
  return panel;
}

QFrame* ForcedBreakPanels::BodyPanel(QWidget* page) {
  QFrame* panel = Panel("PanelPGLeftTab08Top", page);
  CommandRow(form_, panel, QStringLiteral("強制改行の変換結果："), {kParagraphs, kBackSlash, kCopy},
             QStringLiteral("Body"));
  auto* note = new QLabel(
      QStringLiteral("変換したテキストを【 コピー 】して、” ｸﾘｯﾌﾟﾎﾞｰﾄﾞ ”から会議テキストとして"
                     "貼り付けてください。設定を変えて、何度でも変換し直せます。"),
      panel);
  note->setWordWrap(true);
  bodyNote_ = note;
  panel->layout()->addWidget(note);
  return panel;
}

void ForcedBreakPanels::PanelCRLFInitialize(int mode) {
  const bool open = mode == 1;
  for (QFrame* panel : {textPanel_, bodyPanel_}) {
    panel->setFixedHeight(open ? kOpenHeight : kClosedHeight);
  }
  textSettings_->setVisible(open);
  bodyNote_->setVisible(open);
}

void ForcedBreakPanels::Follow(const Document& doc) {
  PanelCRLFInitialize(doc.CRLFPanelMode);
  if (!doc.GeneratedHTMLText.empty()) return;
  TRichEditEx* body = form_.Pane("EditorBodyHTML");
  if (doc.ConvertedPaneText != shownConversion_) {
    shownConversion_ = doc.ConvertedPaneText;
    body->SetCp932Text(shownConversion_);
  }
  // Converted text is no HTML: it stays black.
  if (!shownConversion_.empty()) body->SetHtmlColouring(false);
}

}  // namespace korva::app

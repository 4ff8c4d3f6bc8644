#include "app/windows/preview_panes.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/qt_text.h"

namespace korva::app {

namespace {

PreviewFactory& Factory() {
  static PreviewFactory factory;
  return factory;
}

QString& Engine() {
  static QString engine;
  return engine;
}

}  // namespace

void SetPreviewFactory(PreviewFactory factory, const QString& engine) {
  Factory() = std::move(factory);
  Engine() = engine;
}

QString PreviewEngine() {
  return Engine();
}

PreviewPane::PreviewPane(Shows shows, const QString& name, QWidget* parent)
    : QWidget(parent), shows_(shows), name_(name) {
  setObjectName(name + "Pane");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  auto* bar = new QHBoxLayout;
  bar->setContentsMargins(4, 2, 4, 0);
  if (shows == Shows::LocalSet) {
    pages_ = new QButtonGroup(this);
    const char* captions[] = {"ノーマル", "縦２画面", "横２画面"};
    const char* names[] = {"RadioPreviewNormal", "RadioPreviewVertical", "RadioPreviewHorizontal"};
    for (int i = 0; i < 3; ++i) {
      auto* radio = new QRadioButton(QString::fromUtf8(captions[i]), this);
      radio->setObjectName(names[i]);
      pages_->addButton(radio, i);
      bar->addWidget(radio);
    }
    pages_->button(0)->setChecked(true);
    connect(pages_, &QButtonGroup::idClicked, this, [this] { LoadWanted(false); });
  }
  auto* reload = new QPushButton(QStringLiteral("再読み込み"), this);
  reload->setObjectName(name + "Reload");
  reload->setToolTip(QStringLiteral("ファイルを読み込み直して表示する"));
  connect(reload, &QPushButton::clicked, this, [this] { LoadWanted(true); });
  bar->addWidget(reload);
  fileLabel_ = new QLabel(this);
  fileLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  bar->addWidget(fileLabel_, 1);
  layout->addLayout(bar);
  if (!Factory()) {
    auto* note = new QLabel(
        QStringLiteral(
            "このプログラムには、プレビュー用のブラウザ（ Qt WebEngine ）が組み込まれていません"),
        this);
    note->setObjectName(name);
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);
    noBrowser_ = note;
    layout->addWidget(note, 1);
  }
}

void PreviewPane::Follow(const Document& doc) {
  if (shows_ == Shows::Document) {
    files_[0] = doc.SavedDocumentPath;
  } else {
    files_[0] = doc.ThreeFileNormalPath;
    files_[1] = doc.ThreeFileVerticalPath;
    files_[2] = doc.ThreeFileHorizontalPath;
  }
  if (isVisible()) LoadWanted(false);
}

void PreviewPane::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The browser starts when it is first needed, not with the program.
  if (!view_ && Factory()) {
    view_ = Factory()(this, name_);
    layout()->addWidget(view_->Widget());
    static_cast<QVBoxLayout*>(layout())->setStretchFactor(view_->Widget(), 1);
  }
  LoadWanted(false);
}

PreviewPane::Target PreviewPane::Wanted() const {
  const int page = pages_ ? pages_->checkedId() : 0;
  const QFileInfo file(FromCp932(files_[page < 0 ? 0 : page]));
  if (files_[page < 0 ? 0 : page].empty() || !file.isFile()) return {};
  return {file.absoluteFilePath(), file.lastModified(), file.size()};
}

void PreviewPane::LoadWanted(bool again) {
  const Target wanted = Wanted();
  if (!again && everLoaded_ && wanted == loaded_) return;
  loaded_ = wanted;
  everLoaded_ = true;
  fileLabel_->setText(wanted.path.isEmpty() ? QStringLiteral("（ まだ生成していません ）")
                                            : wanted.path);
  if (view_) {
    view_->Load(wanted.path.isEmpty() ? QUrl(QStringLiteral("about:blank"))
                                      : QUrl::fromLocalFile(wanted.path));
  }
}

}  // namespace korva::app

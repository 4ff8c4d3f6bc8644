// The two embedded browser panes: WebBrowserResultRight shows the last
// generated document, WebBrowserResultLeft a page of the local set. They
// follow the document: a new or rewritten file is loaded again, and a reset
// document leaves them on about:blank. The browser itself is plugged in
// (Qt WebEngine in the program, web_preview.h), so the rest of the program
// and its tests do without it.
#pragma once

#include <QDateTime>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <string>

#include "session/document.h"

class QButtonGroup;
class QLabel;

namespace korva::app {

// A browser view as the preview panes use it.
class PreviewView {
 public:
  virtual ~PreviewView() = default;
  virtual QWidget* Widget() = 0;
  virtual void Load(const QUrl& url) = 0;
};

// Makes the browser of a pane (its widget a child of `parent`, named `name`).
using PreviewFactory = std::function<PreviewView*(QWidget* parent, const QString& name)>;
// Set before the main window is built; without one the panes only say that
// there is no browser. `engine` names the browser for the about box.
void SetPreviewFactory(PreviewFactory factory, const QString& engine);
QString PreviewEngine();

class PreviewPane : public QWidget {
  Q_OBJECT

 public:
  enum class Shows { Document, LocalSet };
  // `name`: the browser's objectName (WebBrowserResultLeft / ...Right).
  PreviewPane(Shows shows, const QString& name, QWidget* parent);

  // Loads what the document now names when it is new or was rewritten;
  // a hidden pane loads when it is shown.
  void Follow(const Document& doc);
  // The file the pane shows (empty: about:blank).
  QString ShownFile() const { return loaded_.path; }
  PreviewView* View() const { return view_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  struct Target {
    QString path;
    QDateTime modified;
    qint64 size = -1;
    bool operator==(const Target&) const = default;
  };
  Target Wanted() const;
  void LoadWanted(bool again);

  Shows shows_;
  QString name_;
  PreviewView* view_ = nullptr;
  QWidget* noBrowser_ = nullptr;
  QLabel* fileLabel_ = nullptr;
  QButtonGroup* pages_ = nullptr;
  std::string files_[3];  // document: [0]; local set: normal, vertical, horizontal
  Target loaded_;
  bool everLoaded_ = false;
};

}  // namespace korva::app

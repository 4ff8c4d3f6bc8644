#include "app/windows/web_preview.h"

#include <QtWebEngineCore/qtwebenginecoreglobal.h>
#include <QCoreApplication>
#include <QWebEngineView>

#include "app/windows/preview_panes.h"
#include "platform/program.h"

namespace korva::app {

namespace {

class WebPreview : public QWebEngineView, public PreviewView {
 public:
  explicit WebPreview(QWidget* parent) : QWebEngineView(parent) {}
  QWidget* Widget() override { return this; }
  void Load(const QUrl& url) override { load(url); }
};

}  // namespace

void PrepareWebEngine() {
  if (platform::RunsAsSuperUser() && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  }
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void UseWebEnginePreview() {
  SetPreviewFactory(
      [](QWidget* parent, const QString& name) {
        auto* view = new WebPreview(parent);
        view->setObjectName(name);
        return static_cast<PreviewView*>(view);
      },
      QStringLiteral("Qt WebEngine %1 (Chromium %2)")
          .arg(QString::fromLatin1(qWebEngineVersion()),
               QString::fromLatin1(qWebEngineChromiumVersion())));
}

}  // namespace korva::app

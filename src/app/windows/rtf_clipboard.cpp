#include "app/windows/rtf_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "app/qt_text.h"
#include "tools/html_rtf.h"

namespace korva::app {

void SetClipboardTextAndRtf(const std::string& cp932Html) {
  auto* data = new QMimeData;
  data->setText(FromCp932(cp932Html));
  const std::string rtf = HtmlToRtf(cp932Html);
  data->setData(QStringLiteral("text/rtf"),
                QByteArray(rtf.data(), static_cast<qsizetype>(rtf.size())));
  QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace korva::app

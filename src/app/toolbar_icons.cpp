#include "app/toolbar_icons.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace korva::app {

namespace {

QPixmap DrawnIcon(const QString& sign, const QColor& tile, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(tile);
  painter.setPen(tile.darker(140));
  painter.drawRoundedRect(QRectF(1.5, 1.5, size - 3, size - 3), size / 6.0, size / 6.0);
  QFont font;
  font.setFamilies({"Noto Sans CJK JP", "IPAGothic", "sans-serif"});
  font.setBold(true);
  font.setPixelSize(sign.size() > 1 ? size * 2 / 5 : size * 3 / 5);
  painter.setFont(font);
  painter.setPen(tile.lightness() > 150 ? Qt::black : Qt::white);
  painter.drawText(pixmap.rect(), Qt::AlignCenter, sign);
  return pixmap;
}

}  // namespace

QIcon ToolIcon(const char* themeName, const QString& sign, const QColor& tile) {
  QIcon drawn;
  for (const int size : {16, 24, 32}) drawn.addPixmap(DrawnIcon(sign, tile, size));
  if (!themeName || !QIcon::hasThemeIcon(QString::fromLatin1(themeName))) return drawn;
  return QIcon::fromTheme(QString::fromLatin1(themeName), drawn);
}

}  // namespace korva::app

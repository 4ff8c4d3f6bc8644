// Tool-bar icons: the desktop theme's icon where one fits, else a small one
// drawn here (a coloured tile with a short sign), so every button reads the
// same without an icon theme.
#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

namespace korva::app {

QIcon ToolIcon(const char* themeName, const QString& sign, const QColor& tile);

}  // namespace korva::app

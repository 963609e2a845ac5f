#pragma once

#include <QIcon>
#include <QStyle>

class QWidget;

namespace ledger {

// The standard icon of the widget's style. Each icon is made once per style and kept: making
// one reads its image files, which the main window's pages would otherwise do for every button.
QIcon standardIcon(const QWidget *widget, QStyle::StandardPixmap pixmap);

} // namespace ledger

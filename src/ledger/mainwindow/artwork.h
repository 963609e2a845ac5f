#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace ledger {

// The program's pictures, drawn in code: the top-bar logo and the navigation tree's icons.
QPixmap paintLogo(const QSize &size, qreal devicePixelRatio = 1.0);
// The program's icon: the logo's coin, carried by every window.
QIcon programIcon();
// Icon of navigation node index (0 home, 1 income, 2 expense, 3 accounts, 4 transfers,
// 5 loans, 6 statistics).
QIcon navIcon(int index);

} // namespace ledger

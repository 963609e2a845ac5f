#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace ledger {

// Routines shared by the record pages and the calculators.

// The red "*" beside a required field. It keeps its place when hidden.
QLabel *makeRequiredMark(QWidget *parent);
// The widget keeps its place in its layout while hidden: nothing beside it moves.
void keepPlaceWhenHidden(QWidget *widget);
// One failing check: the message, then the focus on the field. Always false.
bool rejectField(const QString &message, QWidget *field);
// Fills a tab sheet of the main window with a page, edge to edge.
void placeOnSheet(QWidget *sheet, QWidget *page);

} // namespace ledger

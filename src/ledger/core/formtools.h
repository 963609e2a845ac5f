#pragma once

#include <QString>
#include <optional>

class QLabel;
class QLineEdit;
class QWidget;

namespace ledger {

// Routines shared by the record pages and the calculators.

// The red "*" beside a required field. It keeps its place when hidden.
QLabel *makeRequiredMark(QWidget *parent);
// The widget keeps its place in its layout while hidden: nothing beside it moves.
void keepPlaceWhenHidden(QWidget *widget);
// One failing check: the message, then the focus on the field. Always false.
bool rejectField(const QString &message, QWidget *field);
// The amount field of a form that writes to the ledger, named in its messages: a text that is
// no number is rejected with notANumber (by default "请正确填写<name>。"), an amount the ledger
// cannot keep exactly with "<name>的有效数字太多，最多15位。", one with more than 12 digits
// before the point with "<name>的整数部分太长，最多12位。" unless it is the stored amount of the
// record being edited (an earlier ledger may hold larger ones). *value is set on success.
bool readAmountField(QLineEdit *field, const QString &name, double *value,
                     const QString &notANumber = QString(),
                     std::optional<double> stored = std::nullopt);
// Fills a tab sheet of the main window with a page, edge to edge.
void placeOnSheet(QWidget *sheet, QWidget *page);

} // namespace ledger

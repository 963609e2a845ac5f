#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;
class QWidget;

namespace ledger {

class DateField;

// The field grid of a record page's maintenance page: per row a caption, the field (with a
// unit beside it), the red mark and an optional list button. Rows are added in visual order,
// which is also the Tab order.
class RecordForm : public QObject {
    Q_OBJECT
public:
    explicit RecordForm(QWidget *box);

    QWidget *box() const { return m_box; }
    // Returns the row's red mark, shown only for a required field.
    QLabel *addRow(const QString &caption, QWidget *field, bool required,
                   const QString &unit = QString());
    // An editable combo offering its entries; typed text is kept, never inserted.
    QComboBox *addCombo(const QString &name, const QString &caption);
    // A required edit; an amount edit takes digits and one '.' only and shows "元".
    QLineEdit *addEdit(const QString &name, const QString &caption, bool amount = false);
    DateField *addDate(const QString &name, const QString &caption);
    QPlainTextEdit *addMemo(const QString &name);

    // "编辑下拉列表" beside the combo: opens the list editor for the list; after a save the
    // combo gets the list's entries again, or what refill gives it.
    QToolButton *addListEditor(QComboBox *combo, const QString &name, const QString &listName,
                               const std::function<void()> &refill = {});
    // "刷新列表" beside an account combo: runs reload.
    QToolButton *addRefreshButton(QComboBox *combo, const QString &name,
                                  const std::function<void()> &reload);

    // The red mark of a field's row.
    QLabel *mark(const QWidget *field) const { return m_marks.value(field); }
    // The fields in Tab order.
    const QList<QWidget *> &fields() const { return m_fields; }
    // The first field that takes the focus now (shown and enabled), or none.
    QWidget *firstField() const;

private:
    QToolButton *addListButton(QComboBox *combo, const QString &name, bool refresh);
    bool eventFilter(QObject *watched, QEvent *event) override;

    QWidget *m_box;
    QGridLayout *m_grid;
    QList<QWidget *> m_fields;
    QHash<const QWidget *, QLabel *> m_marks;
};

} // namespace ledger

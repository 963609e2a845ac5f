#pragma once

#include "ledger/core/currentuser.h"
#include "ledger/data/recordsource.h"
#include "ledger/datamodule/tfrmdm.h"

#include <QDate>
#include <QString>
#include <QStyle>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>

class QButtonGroup;
class QCheckBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace ledger {

class RecordForm;
class RecordList;

// Component names of one record page (the page word differs, and so does the spelling of a
// few names).
struct RecordPageNames {
    QString pageControl;  // inner page control, e.g. pclIncome
    QString queryCaption; // "收入信息查询"
    QString editCaption;  // "收入信息维护"
    QString addButton;    // sbtn_in_Add
    QString editButton;   // sbtn_in_Edit
    QString deleteButton; // sbtn_In_del
    QString list;         // lv_in
    QString countLabel;   // lbl_in_recordcount
    QString sumLabel;     // lbl_in_sum
    QString csvButton;    // sbtn_income_cvs
    QString idLabel;      // lbl_in_id
    QString continueBox;  // ckb_in_continue
    QString submitButton; // btn_in_Submit
    QString cancelButton; // btn_in_Cancel

    // The names of the transfer and loan pages' scheme for a page word: sbtn_<word>_Add,
    // sbtn_<word>_edit, sbtn_<word>_del, lv_<word>, lbl_<word>_recordcount, lbl_<word>_sum,
    // sbtn_<word>_cvs, lbl_<word>_id, ckb_<word>_continue, btn_<word>_Submit, btn_<word>_cancel.
    static RecordPageNames forWord(const QString &word, const QString &pageControl,
                                   const QString &queryCaption, const QString &editCaption);
};

// The record-page pattern: a query page (tool buttons, period choice, list, count and total,
// CSV export) and a maintenance page (the record's fields), switched by the page's state
// routine. Subclasses give the records (a RecordSource over their table), fill the maintenance
// page and save.
class RecordPage : public QWidget {
    Q_OBJECT
public:
    enum class Mode { Add, Browse, Edit, Del };
    enum class Period { Today, Month, Year, All };

    RecordPage(const RecordPageNames &names, QWidget *parent = nullptr);

    // First day of the period containing today; none for "all".
    static std::optional<QDate> periodStart(Period period, const QDate &today);

    // List routine: reloads the list for the checked period with its count and total.
    void showList();
    // Count and total of the checked period, from the database. Throws DbError.
    RecordTotals queryTotals() const;
    // State routine. Errors while loading a record are logged, never shown.
    void setState(Mode mode, qint64 key = 0);

    Period period() const;
    // Checks the period's radio and loads the list once.
    void selectPeriod(Period period);
    // The routine of every visit: the month, falling back to all when the month is empty.
    // The inner page stays as the user left it (a half-typed record included).
    void showCurrentPeriod();

    // Save button: the page's checks in order, then an insert or an update.
    virtual void submitClick() = 0;
    // Delete flow of the delete button.
    void deleteClick();
    void editClick();
    void cancelClick();

    void setToday(std::function<QDate()> today) { m_today = std::move(today); }
    QDate today() const { return m_today(); }

    RecordList *list() const { return m_list; }
    QStackedWidget *pages() const { return m_pages; }
    int recordCount() const { return m_count; }
    double recordTotal() const { return m_total; }

signals:
    // After the list routine ran (also after a failed query, with an empty list).
    void listShown();

protected:
    // The page's records on the open ledger (the list, its count and total, the delete flow).
    // Throws DbError when no ledger is open.
    virtual std::unique_ptr<RecordSource> recordSource() const = 0;
    virtual QString totalPrefix() const = 0;
    // Turns the rows as read into the list's texts (money columns, for example); the rows
    // stay as they are unless a page says otherwise.
    virtual void formatListRows(RecordRows *rows) const { Q_UNUSED(rows); }
    // Fills the maintenance page for the mode: empty fields to add, or the record of the key;
    // false when there is no such record. setState logs its DbError.
    virtual bool stateRoutine(Mode mode, qint64 key) = 0;

    // Query page pieces for subclasses.
    void setListColumns(const QStringList &captions, const QList<int> &widths);
    void createPeriodRadios(const QString &word);
    // A group of radios (name, caption) beside the tool buttons, ids in order, one checked;
    // checking one reloads the list.
    QButtonGroup *addRadioGroup(const QList<std::pair<QString, QString>> &radios, int checked);
    // Checks the radio and loads the list once.
    void selectRadio(QButtonGroup *group, int id);
    // A tool button after "删除".
    QToolButton *addActionButton(const QString &name, const QString &caption,
                                 QStyle::StandardPixmap icon);
    // The maintenance page's fields.
    RecordForm *form() const { return m_form; }

    // After a save ran: messages, continuous adding or back to the list, reload.
    void finishSave(bool ok);
    // Runs a save on the open ledger, then finishSave: a database error (logged) is a failed
    // save, as is a false result.
    void saveRecord(const std::function<bool(Db &)> &save);
    // Saves a row through its table class: an update of the edited record (its key put into
    // the row) or an insert for the logged-in user.
    template <typename Table, typename Row> void saveRow(Row row, qint64 Row::*key) {
        saveRecord([&](Db &db) {
            Table table(db);
            if (const std::optional<qint64> edited = editKey()) {
                row.*key = *edited;
                table.update(row);
                return true;
            }
            return table.insert(row, currentUserId) > 0;
        });
    }

    // The record a state routine shows: the stored one of the key, or a blank one (dated
    // today) to add.
    template <typename Table, typename Row>
    std::optional<Row> recordFor(Mode mode, qint64 key) const {
        if (mode != Mode::Add)
            return Table(ledgerDb()).find(key);
        Row blank;
        if constexpr (std::is_same_v<decltype(blank.eventDate), QDate>)
            blank.eventDate = today();
        return blank;
    }

    // Shows the record's amount in the form's amount field (empty to add) and keeps it: saved
    // again unchanged, a stored amount is taken whatever its size (an earlier ledger may hold
    // amounts beyond the entry's bound).
    void showAmount(QLineEdit *field, Mode mode, double stored);
    // readAmountField on the field of showAmount.
    bool readShownAmount(QLineEdit *field, const QString &name, double *value) const;

    void showQueryPage();
    QCheckBox *continueBox() const { return m_continue; }
    // Key of the record being edited; none when the next save inserts.
    std::optional<qint64> editKey() const { return m_editKey; }

private:
    std::optional<QDate> listedSince() const;
    void buildQueryPage(const RecordPageNames &names);
    void buildEditPage(const RecordPageNames &names);
    void exportClick();
    // The end of every state routine: saving allowed unless browsing, the edited record's key
    // kept, the maintenance page shown with the focus on its first field.
    void showRecordForm(Mode mode, qint64 key);

    std::function<QDate()> m_today;
    QStackedWidget *m_pages = nullptr;
    QHBoxLayout *m_toolBar = nullptr;
    QToolButton *m_addButton = nullptr;
    QHBoxLayout *m_actions = nullptr;
    QButtonGroup *m_periods = nullptr;
    RecordList *m_list = nullptr;
    QLabel *m_countLabel = nullptr;
    QLabel *m_sumLabel = nullptr;
    RecordForm *m_form = nullptr;
    QLabel *m_idLabel = nullptr; // mirrors m_editKey
    std::optional<qint64> m_editKey;
    std::optional<double> m_shownAmount; // the stored amount showAmount put in the form
    QCheckBox *m_continue = nullptr;
    QPushButton *m_submit = nullptr;
    QPushButton *m_cancel = nullptr;
    int m_count = 0;
    double m_total = 0;
};

} // namespace ledger

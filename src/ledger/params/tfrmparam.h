#pragma once

#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

class QComboBox;
class QStringListModel;

namespace Ui {
class TfrmParam;
}

namespace ledger {

// Editor of one lookup list of kx_hash. All changes live in the dialog until "保存" rewrites the
// stored list as a whole and refills the combo box the editor was opened from.
class TfrmParam : public QDialog {
    Q_OBJECT
public:
    explicit TfrmParam(QWidget *parent = nullptr);
    ~TfrmParam() override;

    // Opens the editor modally for the list. After a save the combo is refilled by refill, as
    // its page fills it; without one it gets the list's entries.
    static void showParamEditor(QComboBox *combo, const QString &listName, QWidget *parent,
                                const std::function<void()> &refill = {});
    // The stored spelling of a list name ("staffname" -> "StaffName"); unknown names as given.
    static QString canonicalListName(const QString &listName);

    void setTarget(QComboBox *combo, const QString &listName,
                   const std::function<void()> &refill = {});
    QString listName() const { return m_listName; }
    // Entry texts in the order they will be saved.
    QStringList entries() const;
    int selectedRow() const;
    void selectRow(int row);

    // Load (on first show).
    void FormShow();
    void sbtnAddClick();
    void sbtnEditClick();
    void sbtnDelClick();
    void sbtnTopClick();
    void sbtnUpClick();
    void sbtnDownClick();
    void sbtnBottomClick();
    void btnSubmitClick();
    void btnCancelClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool isFundsTypeList() const;
    bool isCashRow(int row) const;
    void appendRow(const QString &text);
    int findText(const QString &text) const;
    void moveItem(int row, bool up, bool focusAfter, bool byOne);
    void refillCombo();

    std::unique_ptr<Ui::TfrmParam> ui;
    QStringListModel *m_entries;
    QPointer<QComboBox> m_combo;
    std::function<void()> m_refill;
    QString m_listName;
    bool m_loaded = false;
};

} // namespace ledger

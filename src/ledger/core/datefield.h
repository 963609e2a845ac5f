#pragma once

#include <QDateEdit>

namespace ledger {

// A "yyyy-MM-dd" date picker with its calendar pop-up that is one Tab stop: Tab and Shift+Tab
// leave it, Left and Right walk its sections, typed digits fill the section at the cursor. A
// click into the text selects the section under it, so digits typed next replace that section
// as they replace the first one after Tab.
class DateField : public QDateEdit {
    Q_OBJECT
public:
    explicit DateField(QWidget *parent = nullptr);

protected:
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace ledger

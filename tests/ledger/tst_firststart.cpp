// A new ledger made as the template is: its starting choice lists let the first account be
// chosen with the mouse, without the list editor.
#include "ledger/accounts/bankpage.h"
#include "ledger/data/lookuplists.h"
#include "ledger/data/schema.h"
#include "support/ledger/pagedriver.h"
#include "support/ledger/templedger.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QStyleOptionComboBox>
#include <QtTest>

using namespace ledger;

namespace {

// Opens the combo's list with a click on its arrow and clicks the entry.
void clickEntry(QComboBox *combo, const QString &entry) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect arrow = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxArrow, combo);
    QTest::mouseClick(combo, Qt::LeftButton, {}, arrow.center());
    QAbstractItemView *view = combo->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex index = view->model()->index(combo->findText(entry), 0);
    // The list ignores a release for a moment after it opens: click until it takes one.
    const auto clickTaken = [&] {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
        return !view->isVisible();
    };
    QTRY_VERIFY(clickTaken());
}

} // namespace

class TestFirstStart : public QObject {
    Q_OBJECT
private slots:
    void firstAccountWithTheMouse() {
        test::PageFixture<BankPage> f;
        test::TempLedger ledger;
        createStarterLists(ledger.db());
        ledger.login(ledger.addUser("admin", "123456"));
        QCOMPARE(LookupLists(ledger.db()).values("StaffName"), QStringList());
        QCOMPARE(LookupLists(ledger.db()).values("IncomeType").size(), 5);

        f.ui.click("sbtn_bank_Add");
        auto *types = f.ui.find<QComboBox>("cbb_bank_FundsType");
        QStringList listed;
        for (int i = 0; i < types->count(); ++i)
            listed << types->itemText(i);
        QCOMPARE(listed, QStringList({"储蓄卡", "信用卡", "存折"}));
        clickEntry(types, "信用卡");
        clickEntry(f.ui.find<QComboBox>("cbb_bank_CardCompany"), "招商银行");
        f.ui.setText("edt_bank_Account", "6225");
        f.ui.setText("edt_bank_Balance", "0");
        f.prompter->queueConfirm(true);
        f.ui.click("btn_bank_submit");
        QCOMPARE(f.prompter->infos(), QStringList{"保存成功!"});
        QCOMPARE(ledger.scalar("select FundsType || '/' || CardCompany from kx_Card"),
                 QVariant("信用卡/招商银行"));
    }
};

QTEST_MAIN(TestFirstStart)
#include "tst_firststart.moc"

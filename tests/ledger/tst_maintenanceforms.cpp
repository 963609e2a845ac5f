// Every maintenance form with the keyboard alone: Tab and Shift+Tab go round the visible,
// enabled controls in visual order without leaving the form, Enter and Space press the focused
// button (in the dialogs too), a form opens with the focus on its first field; and the buttons
// of a record form keep their places whatever is hidden beside them; after a message box the
// window typed into is active again, so its focused control shows the focus, and a message that
// follows at once opens over that window.
#include "ledger/accounts/bankpage.h"
#include "ledger/accounts/tfrmhislist.h"
#include "ledger/calc/investcalcpage.h"
#include "ledger/calc/mortgagecalcpage.h"
#include "ledger/calc/savingscalcpage.h"
#include "ledger/core/qtprompter.h"
#include "ledger/loans/loanpage.h"
#include "ledger/params/tfrmparam.h"
#include "ledger/records/inoutpage.h"
#include "ledger/transfers/transferpage.h"
#include "ledger/users/tfrmlogin.h"
#include "ledger/users/tfrmmodifypwd.h"
#include "ledger/users/tfrmreg.h"
#include "support/ledger/accountledger.h"
#include "support/ledger/recordingprompter.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>

using namespace ledger;

namespace {

// A window holding one form beside a field of its own (the rest of the main window).
struct Host {
    test::ScopedPrompter prompter;
    test::AccountLedger ledger;
    QWidget window;
    QLineEdit *outside = new QLineEdit(&window);

    Host() {
        ledger.login(ledger.addUser("admin", "123456"));
        ledger.db().exec("insert into kx_hash(keyname, keyvalue, seqid) values "
                         "('FundsType','储蓄卡',1), ('CardCompany','工商银行',1), "
                         "('StaffName','张三',1)");
        ledger.addCard("储蓄卡", "A", 10);
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(outside);
        window.resize(900, 700);
    }
    template <typename Page, typename... Args> Page *show(Args &&...args) {
        auto *page = new Page(std::forward<Args>(args)..., &window);
        window.layout()->addWidget(page);
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("window not active");
        return page;
    }
};

QWidget *focused() {
    return QApplication::focusWidget();
}

// The stops of one round of Tab (or Shift+Tab) from the focused control.
QList<QWidget *> round(bool forward) {
    QList<QWidget *> stops{focused()};
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(focused(), forward ? Qt::Key_Tab : Qt::Key_Backtab);
        if (focused() == stops.first())
            return stops;
        stops.append(focused());
    }
    return {}; // never came back
}

QString describe(const QList<QWidget *> &stops) {
    QStringList names;
    for (const QWidget *w : stops)
        names << w->objectName() + "@" + QString::number(w->mapTo(w->window(), QPoint()).y());
    return names.join(' ');
}

// The round starting at the form's first control: every stop shown, enabled and inside the
// form, each below or right of the one before, every such control reached once, the same stops
// backwards.
void checkRound(QWidget *form, const char *what) {
    QList<QWidget *> stops = round(true);
    QVERIFY2(!stops.isEmpty(), what);
    const auto at = [form](const QWidget *w) { return w->mapTo(form, QPoint()); };
    // Start the check from the top-left stop.
    const auto first = std::min_element(stops.cbegin(), stops.cend(), [&](auto *a, auto *b) {
        return std::pair(at(a).y(), at(a).x()) < std::pair(at(b).y(), at(b).x());
    });
    std::rotate(stops.begin(), stops.begin() + (first - stops.cbegin()), stops.end());
    for (qsizetype i = 0; i < stops.size(); ++i) {
        QWidget *w = stops.at(i);
        QVERIFY2(w->isVisible() && w->isEnabled() && form->isAncestorOf(w),
                 qPrintable(QString(what) + ": " + describe(stops)));
        if (i > 0) {
            // Down, right along a row, or on to a column further right.
            const QRect a(at(stops.at(i - 1)), stops.at(i - 1)->size());
            const QPoint b = at(w);
            const bool sameRow = qAbs(a.y() - b.y()) <= 8;
            QVERIFY2(sameRow ? b.x() > a.x() : b.y() > a.y() || b.x() > a.right(),
                     qPrintable(QString(what) + ": " + describe(stops)));
        }
        QCOMPARE(stops.count(w), 1);
    }
    int reachable = 0;
    for (QWidget *w : form->findChildren<QWidget *>()) {
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            !w->focusProxy())
            ++reachable;
    }
    QVERIFY2(reachable == stops.size(), qPrintable(QString(what) + ": " + describe(stops)));
    stops.first()->setFocus();
    QList<QWidget *> back = round(false);
    std::reverse(back.begin() + 1, back.end());
    QCOMPARE(back, stops);
}

template <typename Page> void walkRecordForm(const char *what, RecordPage::Mode mode) {
    Host host;
    auto *page = host.show<Page>();
    page->setState(mode, 1);
    QWidget *form = page->pages()->currentWidget();
    QCOMPARE(page->pages()->currentIndex(), 1);
    // The focus is on the first field that takes it.
    QVERIFY2(form->isAncestorOf(focused()), what);
    QVERIFY(focused()->objectName().startsWith(mode == RecordPage::Mode::Add ? "cbb_" : "cbb"));
    checkRound(form, what);
    QVERIFY(!QTest::currentTestFailed());
}

} // namespace

class TestMaintenanceForms : public QObject {
    Q_OBJECT
private slots:
    void recordFormsWalkedByTab() {
        walkRecordForm<TransferPage>("transfer add", RecordPage::Mode::Add);
        walkRecordForm<LoanPage>("loan add", RecordPage::Mode::Add);
        walkRecordForm<BankPage>("account add", RecordPage::Mode::Add);
        walkRecordForm<BankPage>("account edit", RecordPage::Mode::Edit); // status and memo
        QVERIFY(!QTest::currentTestFailed());
        Host host;
        auto *page = host.show<InOutPage>(InOutKind::expense());
        page->setState(RecordPage::Mode::Add);
        QCOMPARE(focused()->objectName(), QString("cbb_out_staffname"));
        checkRound(page->pages()->currentWidget(), "expense add");
    }

    void calculatorsAndListEditorWalkedByTab() {
        {
            Host host;
            host.show<SavingsCalcPage>();
            QVERIFY(host.window.isAncestorOf(focused()) && focused() != host.outside);
            checkRound(host.window.findChild<SavingsCalcPage *>(), "savings");
            QVERIFY(!QTest::currentTestFailed());
        }
        {
            Host host;
            checkRound(host.show<MortgageCalcPage>(), "mortgage");
            QVERIFY(!QTest::currentTestFailed());
        }
        {
            Host host;
            checkRound(host.show<InvestCalcPage>(), "investment");
            QVERIFY(!QTest::currentTestFailed());
        }
        Host host;
        TfrmParam editor;
        editor.setTarget(nullptr, "StaffName");
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QCOMPARE(focused()->objectName(), QString("lvList"));
        checkRound(&editor, "list editor");
    }

    void keysPressTheFocusedButton() {
        Host host;
        auto *page = host.show<InOutPage>(InOutKind::income());
        page->setState(RecordPage::Mode::Add);
        page->findChild<QPushButton *>("btn_in_Submit")->setFocus();
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(host.prompter->infos(), QStringList{"请选择收入者。"});
        page->findChild<QPushButton *>("btn_in_Cancel")->setFocus();
        QTest::keyClick(focused(), Qt::Key_Space);
        QCOMPARE(page->pages()->currentIndex(), 0);

        // In the list editor Enter presses the focused tool button, not the default 保存.
        TfrmParam editor;
        editor.setTarget(nullptr, "StaffName");
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        editor.selectRow(0);
        editor.findChild<QWidget *>("sbtnDel")->setFocus();
        host.prompter->queueConfirm(false);
        QTest::keyClick(focused(), Qt::Key_Return);
        QVERIFY(editor.isVisible());
        QCOMPARE(host.prompter->calls().size(), 2); // the delete's question came

        // The same in the other dialogs, whose buttons leave Enter to the dialog.
        const auto enterOn = [&host](QDialog *dialog, const char *button) {
            const std::unique_ptr<QDialog> owner(dialog);
            host.prompter->clear();
            dialog->show();
            if (!QTest::qWaitForWindowActive(dialog))
                qWarning("dialog not active");
            dialog->findChild<QWidget *>(button)->setFocus();
            QTest::keyClick(focused(), Qt::Key_Return);
            return host.prompter->texts();
        };
        QCOMPARE(enterOn(new TfrmLogin, "btn_OK"), QStringList{"用户名、密码不能为空!"});
        QCOMPARE(enterOn(new TfrmReg, "btn_OK"), QStringList{"用户名不能为空!"});
        QCOMPARE(enterOn(new TfrmModifyPwd, "btn_ModifyPwd"), QStringList{"原密码不能为空。"});
        QCOMPARE(enterOn(new TfrmHisList, "sbtn_bank_cvs"), QStringList{"导出电子表格"});
    }

    // 保存 and 取消 stand where they stood in add mode when edit mode hides 连续添加.
    void buttonsKeepTheirPlaces() {
        Host host;
        auto *bank = host.show<BankPage>();
        const auto places = [bank] {
            QList<QRect> rects;
            for (const char *name : {"btn_bank_submit", "btn_bank_cancel"}) {
                auto *button = bank->findChild<QPushButton *>(name);
                rects << QRect(button->mapTo(bank, QPoint()), button->size());
            }
            return rects;
        };
        bank->setState(RecordPage::Mode::Add);
        QApplication::processEvents();
        const QList<QRect> added = places();
        bank->setState(RecordPage::Mode::Edit, 1);
        QVERIFY(bank->findChild<QWidget *>("ckb_bank_continue")->isHidden());
        QApplication::processEvents();
        QCOMPARE(places(), added);
    }

    // No window manager gives the activation back when a box closes: the prompter does.
    void messageBoxGivesTheActivationBack() {
        QWidget window;
        auto *button = new QPushButton(QStringLiteral("保存"), &window);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        button->setFocus();
        QTimer::singleShot(100, [] {
            if (QWidget *box = QApplication::activeModalWidget())
                box->close();
        });
        QtPrompter().info(QStringLiteral("已保存。"));
        QVERIFY(QTest::qWaitForWindowActive(&window, 1000));
        QVERIFY(button->hasFocus());
    }

    // A message right after a question, before any window is active again (the window manager
    // has yet to activate one), opens over the window the question was opened over.
    void messageAfterAQuestionOpensOverTheSameWindow() {
        QWidget window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QList<QWidget *> parents;
        const auto answer = [&parents] {
            QTimer::singleShot(0, [&parents] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                parents << (box ? box->parentWidget() : nullptr);
                if (box)
                    box->button(QMessageBox::Ok)->click();
            });
        };
        answer();
        QVERIFY(QtPrompter().confirm(QStringLiteral("确定删除该记录?"), QStringLiteral("提示")));
        QApplication::setActiveWindow(nullptr);
        answer();
        QtPrompter().info(QStringLiteral("删除成功。"));
        QCOMPARE(parents, (QList<QWidget *>{&window, &window}));
    }
};

QTEST_MAIN(TestMaintenanceForms)
#include "tst_maintenanceforms.moc"

// Every window and page of the program painted as a user sees it, first with the desktop's look
// and then with the program's own skin: each shot has content, no skinned shot shows the skin's
// key colour, and no field in a skinned shot is left to the desktop's look. With KEXBORA_SHOTS set,
// the shots are saved there (tour-*.png) to look at.
#include "ledger/accounts/tfrmduizhang.h"
#include "ledger/accounts/tfrmhislist.h"
#include "ledger/mainwindow/tfrmmain.h"
#include "ledger/params/tfrmparam.h"
#include "ledger/users/tfrmlogin.h"
#include "ledger/users/tfrmmodifypwd.h"
#include "ledger/users/tfrmreg.h"
#include "skin/controls/skinstyle.h"
#include "skin/controls/tskincontrollayer.h"
#include "skin/window/skinmessageevent.h"
#include "skin/window/tskinmanage.h"
#include "support/ledger/accountledger.h"
#include "support/ledger/webpanestub.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>
#include <memory>

using namespace ledger;

namespace {

constexpr QRgb kKeyColour = 0xFFFF00FF;

// Key-colour pixels the user can see: inside the window's shape, when it has one.
int keyPixels(const QImage &image, const QRegion &shape) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            count += (line[x] | 0xFF000000u) == kKeyColour &&
                     (shape.isEmpty() || shape.contains(QPoint(x, y)));
    }
    return count;
}

bool hasContent(const QImage &image) {
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            if (image.pixel(x, y) != first)
                return true;
    return false;
}

// Whether a field shown in a skinned window has a skin: line edits (those of combos and spin
// boxes are their parents' part), combo and spin boxes, scroll areas, scroll bars, headers and
// progress bars. Controls carrying the disable tag are meant to keep the desktop's look.
bool isFieldSkinned(QWidget *w) {
    const QWidget *parent = w->parentWidget();
    if (!w->isVisible() || w->property("tag").toInt() == 99 ||
        (qobject_cast<QLineEdit *>(w) && (qobject_cast<const QComboBox *>(parent) ||
                                          qobject_cast<const QAbstractSpinBox *>(parent))))
        return true;
    QWidget *painted = w;
    if (auto *header = qobject_cast<QHeaderView *>(w))
        painted = header->viewport();
    else if (!qobject_cast<QLineEdit *>(w) && !qobject_cast<QComboBox *>(w) &&
             !qobject_cast<QAbstractSpinBox *>(w) && !qobject_cast<QAbstractScrollArea *>(w) &&
             !qobject_cast<QScrollBar *>(w) && !qobject_cast<QProgressBar *>(w))
        return true;
    return skin::SendSkinMessage(painted, skin::SM_SKINQUERY) == 1;
}

} // namespace

class TstPageTour : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void tour_data();
    void tour();

private:
    void shoot(QWidget *window, const QString &name);

    std::unique_ptr<test::AccountLedger> m_ledger;
    qint64 m_card = 0;
    bool m_skinned = false;
    QStringList m_failures;
};

void TstPageTour::initTestCase() {
    QApplication::setStyle(new skin::SkinStyle);
    m_ledger = std::make_unique<test::AccountLedger>();
    QVERIFY2(m_ledger->isOpen(), qPrintable(m_ledger->error()));
    m_ledger->login(m_ledger->addUser(QStringLiteral("admin"), QStringLiteral("123456")));
    m_card = m_ledger->workedExample();
}

void TstPageTour::tour_data() {
    QTest::addColumn<bool>("skinned");
    // The manager stays once installed, so the desktop's look comes first.
    QTest::newRow("unskinned") << false;
    QTest::newRow("skinned") << true;
}

void TstPageTour::shoot(QWidget *window, const QString &name) {
    if (m_skinned) {
        auto *manager = dynamic_cast<skin::TSkinManage *>(skin::TSkinManagerHook::Instance());
        QTRY_VERIFY(manager && manager->FindSkinnedWindow(window));
    }
    QCoreApplication::sendPostedEvents(); // layouts and style changes before the shot
    const QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString shot = QStringLiteral("tour-%1-%2").arg(m_skinned ? "skinned" : "plain", name);
    const QString dir = qEnvironmentVariable("KEXBORA_SHOTS");
    if (!dir.isEmpty() && QDir().mkpath(dir))
        image.save(QDir(dir).filePath(shot + QStringLiteral(".png")));
    if (!hasContent(image))
        m_failures << shot + QStringLiteral(": blank");
    if (const int pink = keyPixels(image, window->mask()); m_skinned && pink > 0)
        m_failures << shot + QStringLiteral(": %1 key-colour pixels").arg(pink);
    if (!m_skinned)
        return;
    for (QWidget *w : window->findChildren<QWidget *>())
        if (!isFieldSkinned(w))
            m_failures << shot + QStringLiteral(": %1 %2 not skinned")
                                     .arg(QString::fromLatin1(w->metaObject()->className()),
                                          w->objectName());
}

void TstPageTour::tour() {
    QFETCH(bool, skinned);
    m_skinned = skinned;
    m_failures.clear();
    if (skinned) {
        skin::InstallSkinManager();
        skin::InstallControlLayer();
    }

    TfrmLogin login;
    login.show();
    shoot(&login, QStringLiteral("login"));
    login.hide();

    TfrmMain main(test::WebPaneStub::factory());
    main.show();
    auto *pages = main.findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    QVERIFY(pages);
    for (int page = TfrmMain::HomePage; page < TfrmMain::PageCount; ++page) {
        pages->setCurrentIndex(page);
        if (page >= TfrmMain::IncomePage && page <= TfrmMain::BorrowPage)
            main.openRecordPage(page);
        auto *inner = pages->currentWidget()->findChild<QTabWidget *>();
        const int tabs = inner ? inner->count() : 1;
        for (int tab = 0; tab < tabs; ++tab) {
            if (inner)
                inner->setCurrentIndex(tab);
            shoot(&main, QStringLiteral("page%1-%2").arg(page).arg(tab));
        }
    }

    const auto dialog = [this](QWidget *window, const QString &name) {
        window->show();
        shoot(window, name);
        window->hide();
    };
    TfrmReg reg;
    dialog(&reg, QStringLiteral("signup"));
    TfrmModifyPwd password;
    dialog(&password, QStringLiteral("password"));
    TfrmParam lists;
    dialog(&lists, QStringLiteral("lists"));
    TfrmHisList history;
    history.buildHistory(QStringLiteral("储蓄卡"), QStringLiteral("001"), history.list());
    dialog(&history, QStringLiteral("history"));
    TfrmDuiZhang reconcile(m_card, QStringLiteral("储蓄卡"), QStringLiteral("001"));
    reconcile.buildSinceCheckpoint(QStringLiteral("储蓄卡"), QStringLiteral("001"),
                                   reconcile.list());
    dialog(&reconcile, QStringLiteral("reconcile"));

    QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TstPageTour)
#include "tst_pagetour.moc"

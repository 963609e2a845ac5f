// Every window of the program skinned with damaged skins (each part of the skin missing in turn,
// an empty and a refused package): no crash, and each window stays usable at its client size,
// with the desktop's frame where no skin could be read.
#include "ledger/mainwindow/tfrmmain.h"
#include "ledger/params/tfrmparam.h"
#include "ledger/users/tfrmlogin.h"
#include "ledger/users/tfrmmodifypwd.h"
#include "ledger/users/tfrmreg.h"
#include "skin/data/tskindata.h"
#include "support/ledger/templedger.h"
#include "support/ledger/webpanestub.h"
#include "support/skin/windowfixture.h"

#include <QtTest>

using namespace ledger;
using namespace skin::test;

class TstSkinnedWindows : public QObject {
    Q_OBJECT
private slots:
    void programWindows_data();
    void programWindows();
};

void TstSkinnedWindows::programWindows_data() {
    QTest::addColumn<QString>("variant");
    for (const QString &variant : SweepVariants())
        QTest::newRow(qPrintable(variant)) << variant;
}

void TstSkinnedWindows::programWindows() {
    QFETCH(QString, variant);
    test::TempLedger ledger;
    QVERIFY2(ledger.isOpen(), qPrintable(ledger.error()));
    ledger.login(ledger.addUser(QStringLiteral("admin"), QStringLiteral("123456")));
    TWindowFixture fixture;
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.push_back(std::make_unique<TfrmLogin>());
    windows.push_back(std::make_unique<TfrmReg>());
    windows.push_back(std::make_unique<TfrmModifyPwd>());
    windows.push_back(std::make_unique<TfrmParam>());
    windows.push_back(std::make_unique<TfrmMain>(test::WebPaneStub::factory()));
    // The program's own skin gives way to the variant.
    for (auto &window : windows)
        qDeleteAll(window->findChildren<skin::TSkinData *>());
    fixture.AddSkinData(SweepPackage(variant));
    for (auto &window : windows) {
        const QSize client = window->size();
        fixture.Show(window.get());
        QCOMPARE(window->windowFlags().testFlag(Qt::FramelessWindowHint),
                 SweepVariantSkins(variant));
        QCOMPARE(window->contentsRect().size(), client);
        ExerciseWindow(window.get());
    }
}

QTEST_MAIN(TstSkinnedWindows)
#include "tst_skinnedwindows.moc"

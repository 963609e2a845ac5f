// The login and main windows carry the program's skin component with the embedded skin.
#include "ledger/app/programskin.h"
#include "skin/data/tskindata.h"
#include "skin/window/tskinmanage.h"

#include <QWidget>
#include <QtTest>

using skin::TSkinData;

class TestProgramSkin : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { skin::InstallSkinManager(); } // as the program starts

    void shownWindowIsSkinned() {
        QWidget window;
        window.resize(320, 240);
        TSkinData *data = ledger::attachProgramSkin(&window);
        QCOMPARE(window.findChild<TSkinData *>(QStringLiteral("SkinData1")), data);
        QVERIFY(data->Objects()); // the embedded package was read
        window.show();
        auto *manager = dynamic_cast<skin::TSkinManage *>(skin::TSkinManagerHook::Instance());
        QVERIFY(manager);
        QTRY_VERIFY(manager->FindSkinnedWindow(&window));
        QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint)); // the skin draws it
    }

    void secondWindowGetsItsOwnCopy() {
        QWidget login, main;
        TSkinData *a = ledger::attachProgramSkin(&login);
        TSkinData *b = ledger::attachProgramSkin(&main);
        QVERIFY(a != b);
        QCOMPARE(a->SkinStream(), b->SkinStream());
        QVERIFY(!a->SkinStream().isEmpty());
    }
};

QTEST_MAIN(TestProgramSkin)
#include "tst_programskin.moc"

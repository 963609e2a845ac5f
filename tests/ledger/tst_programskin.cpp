// The login and main windows carry the program's skin component with the embedded skin.
#include "ledger/app/programskin.h"
#include "skin/data/tskindata.h"

#include <QWidget>
#include <QtTest>

using skin::TSkinData;

class TestProgramSkin : public QObject {
    Q_OBJECT
private slots:
    void windowCarriesTheLoadedSkin() {
        QWidget window;
        TSkinData *data = ledger::attachProgramSkin(&window);
        QCOMPARE(window.findChild<TSkinData *>(QStringLiteral("SkinData1")), data);
        // The embedded package was read: the component is no longer loading and holds objects.
        QVERIFY(!data->IsReading());
        QVERIFY(!data->SkinLoading());
        QVERIFY(data->Objects() && data->Objects()->All().size() > 20);
        QVERIFY(data->Active());
        QCOMPARE(data->SkinFormtype(), TSkinData::sfMainform);
        QCOMPARE(data->DisableTag(), 99);
        const auto controls = data->SkinControls();
        QVERIFY(!controls.testFlag(TSkinData::xcMenuItem));
        QVERIFY(!controls.testFlag(TSkinData::xcFastReport));
        QVERIFY(controls.testFlag(TSkinData::xcMainMenu));
        QVERIFY(controls.testFlag(TSkinData::xcSystemMenu));
        QVERIFY(controls.testFlag(TSkinData::xcTrackBar));
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

// The control skin base: private messages, attaching once, lifetimes, and the property
// access by name.
#include "skin/controls/propbyname.h"
#include "skin/controls/skinformlink.h"
#include "skin/controls/tskinbutton.h"
#include "skin/data/tskindata.h"
#include "skin/window/skinmessageevent.h"
#include "support/skin/skinnedwidgets.h"

#include <QPushButton>
#include <QtTest>

using namespace skin;
using namespace skin::test;

namespace {

// Counts the private messages that reach it.
class MessageCounter : public QObject {
public:
    int seen = 0;
    bool eventFilter(QObject *, QEvent *e) override {
        seen += SkinMessageEvent::isSkinMessage(e->type());
        return false;
    }
};

} // namespace

class TestTSkinControl : public QObject {
    Q_OBJECT

private:
    TTestSkin testSkin;
    std::unique_ptr<TSkinData> data = LoadedSkinData(testSkin);

private slots:
    void initTestCase() { UseCrispFont(); }
    void queryIsAnsweredAndEaten();
    void skinEnableSwitchesToNative();
    void attachesOnceAndLeavesTheList();
    void windowObjectGoingFirst();
    void propertiesByName_data();
    void propertiesByName();
};

void TestTSkinControl::queryIsAnsweredAndEaten() {
    QPushButton button;
    MessageCounter counter;
    button.installEventFilter(&counter); // installed before the skin: sees what the skin passes
    QCOMPARE(SendSkinMessage(&button, SM_SKINQUERY), qintptr(0));
    QCOMPARE(counter.seen, 1);
    (new TSkinButton(&button))->InitSkin(nullptr, data.get(), false);
    QCOMPARE(SendSkinMessage(&button, SM_SKINQUERY), qintptr(1));
    QCOMPARE(SendSkinMessage(&button, SM_SKINENABLE, 1), qintptr(0));
    QCOMPARE(counter.seen, 1);
}

void TestTSkinControl::skinEnableSwitchesToNative() {
    QPushButton native, skinned;
    native.resize(80, 30);
    skinned.resize(80, 30);
    (new TSkinButton(&skinned))->InitSkin(nullptr, data.get(), false);
    const QImage skinnedLook = Grabbed(&skinned);
    QVERIFY(skinnedLook != Grabbed(&native));
    SendSkinMessage(&skinned, SM_SKINENABLE, 0);
    QCOMPARE(Grabbed(&skinned), Grabbed(&native));
    QCOMPARE(SendSkinMessage(&skinned, SM_SKINQUERY), qintptr(0)); // off: all goes to the button
    SendSkinMessage(&skinned, SM_SKINENABLE, 1);
    QCOMPARE(Grabbed(&skinned), skinnedLook);
}

void TestTSkinControl::attachesOnceAndLeavesTheList() {
    QObject form;
    auto *button = new QPushButton;
    auto *skin = new TSkinButton(button);
    skin->InitSkin(&form, data.get(), false);
    skin->InitSkin(&form, data.get(), false);
    QCOMPARE(SkinControlsOf(&form), QList<TSkinControl *>{skin});
    QCOMPARE(skin->SkinState(), 1);
    delete button; // the skin goes with its widget and leaves the list
    QVERIFY(SkinControlsOf(&form).isEmpty());
}

void TestTSkinControl::windowObjectGoingFirst() {
    QPushButton button;
    auto form = std::make_unique<QObject>();
    QPointer<TSkinControl> skin = new TSkinButton(&button);
    skin->InitSkin(form.get(), data.get(), false);
    form.reset();
    QVERIFY(skin.isNull());
    QCOMPARE(SendSkinMessage(&button, SM_SKINQUERY), qintptr(0));
    button.resize(60, 20);
    QVERIFY(!button.grab().isNull());
}

void TestTSkinControl::propertiesByName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("written");
    QTest::addColumn<int>("asInt");
    QTest::addColumn<QString>("asEnum");
    QTest::addColumn<QString>("asString");
    QTest::newRow("int, any case") << "NUMGLYPHS"
                                   << "3" << true << 3 << ""
                                   << "";
    QTest::newRow("int, not a number") << "NumGlyphs"
                                       << "three" << false << 2 << ""
                                       << "";
    QTest::newRow("missing") << "Nothing"
                             << "1" << false << -1 << ""
                             << "";
    QTest::newRow("bool") << "flat"
                          << "True" << true << -1 << "True"
                          << "";
    QTest::newRow("bool, not a bool") << "Flat"
                                      << "yes" << false << -1 << "False"
                                      << "";
    QTest::newRow("enum") << "layoutDirection"
                          << "RightToLeft" << true << -1 << "RightToLeft"
                          << "";
    QTest::newRow("enum, unknown key") << "LayoutDirection"
                                       << "Upwards" << false << -1 << "LeftToRight"
                                       << "";
    QTest::newRow("text") << "TEXT"
                          << "Hello" << true << -1 << ""
                          << "Hello";
    QTest::newRow("dynamic text") << "glyphname"
                                  << "png" << true << -1 << ""
                                  << "png";
}

void TestTSkinControl::propertiesByName() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, written);
    QFETCH(int, asInt);
    QFETCH(QString, asEnum);
    QFETCH(QString, asString);
    QPushButton button;
    button.setProperty("NumGlyphs", 2);
    button.setProperty("GlyphName", QStringLiteral("bmp"));
    const QList<QByteArray> dynamicBefore = button.dynamicPropertyNames();
    QCOMPARE(SetPropByName(&button, name, text), written);
    QCOMPARE(button.dynamicPropertyNames(), dynamicBefore); // nothing is ever created
    QCOMPARE(GetIntPropByName(&button, name), asInt);
    QCOMPARE(GetEnumPropByName(&button, name), asEnum);
    QCOMPARE(GetStrPropByName(&button, name), asString);
    QCOMPARE(GetIntPropByName(nullptr, name), -1);
}

QTEST_MAIN(TestTSkinControl)
#include "tst_tskincontrol.moc"

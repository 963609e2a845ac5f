// The control skin base: private messages, attaching once, lifetimes, and the property
// access by name.
#include "skin/controls/propbyname.h"
#include "skin/controls/tcontrolwalk.h"
#include "skin/controls/tskinbutton.h"
#include "skin/data/tskindata.h"
#include "skin/window/skinmessageevent.h"
#include "skin/window/twinskinform.h"
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
    void lifetimes();
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
    const QImage skinnedLook = Grab(&skinned);
    QVERIFY(skinnedLook != Grab(&native));
    SendSkinMessage(&skinned, SM_SKINENABLE, 0);
    QCOMPARE(Grab(&skinned), Grab(&native));
    QCOMPARE(SendSkinMessage(&skinned, SM_SKINQUERY), qintptr(0)); // off: all goes to the button
    SendSkinMessage(&skinned, SM_SKINENABLE, 1);
    QCOMPARE(Grab(&skinned), skinnedLook);
}

void TestTSkinControl::lifetimes() {
    // Attached once, listed once; gone with the widget, unlisted.
    auto form = std::make_unique<TWinSkinForm>(nullptr, nullptr);
    auto *button = new QPushButton;
    auto *skin = new TSkinButton(button);
    skin->InitSkin(form.get(), data.get(), false);
    skin->InitSkin(form.get(), data.get(), false);
    QCOMPARE(form->Controls(), QList<QPointer<QObject>>{skin});
    delete button;
    QVERIFY(form->Controls().isEmpty());
    // The window's object goes: the widget is its own again at once, the skin object goes
    // with the deferred deletions, and a new walk skins the widget again meanwhile.
    QWidget window;
    auto *other = new QPushButton(&window);
    QPointer<TSkinControl> otherSkin = new TSkinButton(other);
    otherSkin->InitSkin(form.get(), data.get(), false);
    form.reset();
    QCOMPARE(SendSkinMessage(other, SM_SKINQUERY), qintptr(0));
    TWinSkinForm again(nullptr, nullptr);
    TControlWalk::Of(&again, data.get())->SkinFormControls(&window);
    QCOMPARE(again.Controls().size(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(otherSkin.isNull());
    QCOMPARE(SendSkinMessage(other, SM_SKINQUERY), qintptr(1));
}

void TestTSkinControl::propertiesByName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("readBack"); // as integer | enumeration | text
    const auto row = [](const char *tag, const char *name, const char *text, bool written,
                        const char *readBack) {
        QTest::newRow(tag) << QString::fromLatin1(name) << QString::fromLatin1(text) << written
                           << QString::fromLatin1(readBack);
    };
    row("int, any case", "NUMGLYPHS", "3", true, "3||");
    row("int, not a number", "NumGlyphs", "three", false, "2||");
    row("missing", "Nothing", "1", false, "-1||");
    row("bool", "flat", "True", true, "-1|True|");
    row("enum, unknown key", "LayoutDirection", "Up", false, "-1|LeftToRight|");
    row("dynamic text", "glyphname", "png", true, "-1||png");
}

void TestTSkinControl::propertiesByName() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, written);
    QFETCH(QString, readBack);
    QPushButton button;
    button.setProperty("NumGlyphs", 2);
    button.setProperty("GlyphName", QStringLiteral("bmp"));
    const QList<QByteArray> dynamicBefore = button.dynamicPropertyNames();
    QCOMPARE(SetPropByName(&button, name, text), written);
    QCOMPARE(button.dynamicPropertyNames(), dynamicBefore); // nothing is ever created
    QCOMPARE(QStringList({QString::number(GetIntPropByName(&button, name)),
                          GetEnumPropByName(&button, name), GetStrPropByName(&button, name)})
                 .join(QLatin1Char('|')),
             readBack);
    QCOMPARE(GetIntPropByName(nullptr, name), -1);
}

QTEST_MAIN(TestTSkinControl)
#include "tst_tskincontrol.moc"

// The skin-data component: properties, "being read", loading, refusal, manager registration.
#include "skin/data/tskindata.h"
#include "skin/data/tskinmanagerhook.h"
#include "skin/package/lzhencoder.h"
#include "skin/package/versionreporter.h"
#include "support/skin/testskin.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace skin;
using skin::test::TTestSkin;

namespace {

// A manager that records what the component asks of it.
class RecordingManager : public TSkinManagerHook {
public:
    QStringList calls;
    int started = 0;
    QList<TSkinData *> registered;

    void AddSkinData(TSkinData *data) override {
        registered.append(data);
        calls << QStringLiteral("add");
    }
    void RemoveSkinData(TSkinData *data) override {
        registered.removeAll(data);
        calls << QStringLiteral("remove");
    }
    void InstallHook() override { calls << QStringLiteral("hook"); }
    void SetPendingSkinData(TSkinData *) override { calls << QStringLiteral("pending"); }
    void RequestAction(int action, int delayMs) override {
        calls << QStringLiteral("action%1/%2").arg(action).arg(delayMs);
    }
    int Started() const override { return started; }
    void SetStarted(int value) override {
        started = value;
        calls << QStringLiteral("started%1").arg(value);
    }
    void SetSkinningActive(bool active) override {
        calls << QStringLiteral("skinning%1").arg(active);
    }
    void SkinWindow(QObject *) override { calls << QStringLiteral("skinwindow"); }
    void RefreshSkinData() override { calls << QStringLiteral("refresh"); }
};

} // namespace

class TestSkinData : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void constructionDefaults();
    void propertiesByName();
    void streamingLoadsSkinBeforeLoaded();
    void loadedRegistersAndStartsSkinning();
    void loadedWithoutSkinSwitchesActiveOff();
    void loadedMenuSwitches();
    void activeSetterByFormType();
    void activeCreatesManagerWhenNeeded();
    void nothingHappensWithoutManager();
    void refusedPackagesLeaveNoSkin_data();
    void refusedPackagesLeaveNoSkin();
    void unknownVersionIsReportedOnce();
    void reloadReplacesEverything();
    void skinFileLoadsAndReapplies();
    void storedSkinStreamForm();
    void formSkinDecision();
    void destructionUnregisters();

private:
    RecordingManager *manager = nullptr;
    TSkinManagerHook::Factory previousFactory;
};

void TestSkinData::init() {
    manager = new RecordingManager;
    TSkinManagerHook::SetInstance(manager);
}

void TestSkinData::cleanup() {
    TSkinManagerHook::SetInstance(nullptr);
    TSkinManagerHook::SetFactory({});
    delete manager;
    manager = nullptr;
}

void TestSkinData::constructionDefaults() {
    TSkinData d;
    QVERIFY(d.IsReading());
    QVERIFY(d.SkinLoading());
    QCOMPARE(d.Active(), false);
    QCOMPARE(d.DisableTag(), 99);
    const auto controls = d.SkinControls();
    QVERIFY(!controls.testFlag(TSkinData::xcMenuItem));
    QVERIFY(!controls.testFlag(TSkinData::xcFastReport));
    QCOMPARE(controls.toInt(), (1 << 22) - 1 - (1 << 2) - (1 << 21)); // 20 of 22 members
    QCOMPARE(d.Options(), TSkinData::TSkinOptions(TSkinData::xoPreview | TSkinData::xoToolbarBK));
    const QStringList lines = d.Skin3rd();
    QCOMPARE(lines.size(), 124);
    QCOMPARE(QSet<QString>(lines.begin(), lines.end()).size(), 121);
    QVERIFY(d.Skin3rd().contains(QStringLiteral("TcxButton=bitbtn")));
    QVERIFY(d.Skin3rd().contains(QStringLiteral("TDBAdvMemo=scrollbar")));
    QCOMPARE(d.SkinFile(), QString());
    QCOMPARE(d.SkinStore(), QStringLiteral("(none)"));
    QCOMPARE(d.SkinFormtype(), TSkinData::sfMainform);
    QCOMPARE(d.Version(), QStringLiteral("4.6.02.09"));
    QVERIFY(d.MenuUpdate());
    QVERIFY(!d.MenuMerge());
    QVERIFY(d.Left && d.Right && d.Top && d.Bottom && d.Title && d.Buttons);
    QVERIFY(!d.Tabs && !d.ComboxArrow && !d.Toolbar);
    QVERIFY(d.TitleButtons.empty());
    QVERIFY(manager->calls.isEmpty()); // construction never reaches the manager
}

void TestSkinData::propertiesByName() {
    TSkinData d;
    QVERIFY(d.setProperty("DisableTag", 12));
    QCOMPARE(d.DisableTag(), 12);
    d.setProperty("Version", QStringLiteral("x"));
    QCOMPARE(d.property("Version").toString(), QStringLiteral("4.6.02.09"));
    d.setProperty("SkinStore", QStringLiteral("(Good)"));
    QCOMPARE(d.property("SkinStore").toString(), QStringLiteral("(none)"));
    QVERIFY(d.setProperty("SkinFormtype", QVariant::fromValue(TSkinData::sfDialog)));
    QCOMPARE(d.SkinFormtype(), TSkinData::sfDialog);
    const QMetaObject *mo = d.metaObject();
    const QMetaEnum controls = mo->enumerator(mo->indexOfEnumerator("TSkinControlTypes"));
    QVERIFY(controls.isFlag());
    QCOMPARE(controls.keyCount(), 22);
    QCOMPARE(QByteArray(controls.key(21)), QByteArray("xcFastReport"));
    QCOMPARE(mo->enumerator(mo->indexOfEnumerator("TSkinOptions")).keyCount(), 11);
    QCOMPARE(mo->enumerator(mo->indexOfEnumerator("TSkinFormType")).keyCount(), 4);
    QStringList published;
    for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i)
        published << QLatin1String(mo->property(i).name());
    QCOMPARE(published, QStringList({"Active", "DisableTag", "SkinControls", "Options", "Skin3rd",
                                     "SkinFile", "SkinStore", "SkinFormtype", "Version",
                                     "MenuUpdate", "MenuMerge", "SkinStream"}));
}

void TestSkinData::streamingLoadsSkinBeforeLoaded() {
    const TTestSkin s;
    TSkinData d;
    d.SetSkinStream(s.Packed());
    QVERIFY(!d.SkinLoading()); // read at once, while still being read
    QVERIFY(d.Tabs);
    d.SetActive(true); // while being read: stored only
    QVERIFY(d.Active());
    QVERIFY(manager->calls.isEmpty());
    QCOMPARE(d.SkinName, QStringLiteral("skin.ini"));
    QCOMPARE(d.SkinStream(), s.Packed());
    // An empty stream keeps the skin held.
    d.SetSkinStream(QByteArray());
    QCOMPARE(d.SkinStream(), s.Packed());
    QVERIFY(!d.SkinLoading());
}

void TestSkinData::loadedRegistersAndStartsSkinning() {
    TSkinData d;
    d.SetSkinStream(TTestSkin().Packed());
    d.SetActive(true);
    d.Loaded();
    QVERIFY(!d.IsReading());
    QCOMPARE(manager->calls, QStringList({"add", "hook", "action1/250"}));
    QCOMPARE(manager->registered, QList<TSkinData *>{&d});
    QVERIFY(d.Active());
}

void TestSkinData::loadedWithoutSkinSwitchesActiveOff() {
    TSkinData d;
    d.SetActive(true);
    d.Loaded();
    QVERIFY(!d.Active());
    QCOMPARE(manager->calls, QStringList({"add", "hook"})); // no action queued
}

void TestSkinData::loadedMenuSwitches() {
    TSkinData a;
    a.SetSkinControls(a.SkinControls() | TSkinData::xcMenuItem);
    a.Loaded();
    QVERIFY(a.SkinControls().testFlag(TSkinData::xcMainMenu));
    QVERIFY(!a.SkinControls().testFlag(TSkinData::xcMenuItem));
    QVERIFY(a.SkinControls().testFlag(TSkinData::xcSystemMenu));

    TSkinData b;
    b.SetSkinControls(b.SkinControls() & ~TSkinData::TSkinControlTypes(TSkinData::xcMainMenu));
    b.Loaded();
    QVERIFY(!b.SkinControls().testFlag(TSkinData::xcSystemMenu));
    QVERIFY(b.SkinControls().testFlag(TSkinData::xcScrollbar)); // never dropped here

    // Another form type skins its owner at once and counts as started.
    QObject owner;
    TSkinData c(&owner);
    c.SetSkinFormtype(TSkinData::sfDialog);
    c.SetActive(true);
    manager->calls.clear();
    c.Loaded();
    QCOMPARE(manager->calls, QStringList({"add", "skinning1", "started1"}));
    QVERIFY(c.SkinControls().testFlag(TSkinData::xcSystemMenu)); // menu switches: main only
}

void TestSkinData::activeSetterByFormType() {
    TSkinData d;
    d.SetSkinStream(TTestSkin().Packed());
    d.Loaded();
    manager->calls.clear();
    d.SetActive(false); // unchanged: nothing
    QVERIFY(manager->calls.isEmpty());
    d.SetActive(true);
    QCOMPARE(manager->calls, QStringList({"pending", "action1/250", "started1"}));
    manager->calls.clear();
    d.SetActive(false);
    QCOMPARE(manager->calls, QStringList({"pending", "action2/250"}));

    TSkinData only;
    only.SetSkinFormtype(TSkinData::sfOnlyThisForm);
    only.Loaded();
    manager->calls.clear();
    only.SetActive(true); // no skin read: pending only
    QCOMPARE(manager->calls, QStringList({"pending"}));
    manager->calls.clear();
    only.SetActive(false);
    QCOMPARE(manager->calls, QStringList({"pending", "action2/250"}));

    TSkinData main;
    main.Loaded();
    manager->calls.clear();
    main.SetActive(true); // main form without a skin: nothing
    QVERIFY(manager->calls.isEmpty());

    TSkinData dialog;
    dialog.SetSkinFormtype(TSkinData::sfDialog);
    dialog.SetSkinStream(TTestSkin().Packed());
    dialog.Loaded();
    manager->calls.clear();
    dialog.SetActive(true);
    QVERIFY(manager->calls.isEmpty());
}

void TestSkinData::activeCreatesManagerWhenNeeded() {
    TSkinManagerHook::SetInstance(nullptr);
    RecordingManager *created = nullptr;
    TSkinManagerHook::SetFactory([&created]() {
        created = new RecordingManager;
        return created;
    });
    {
        TSkinData d;
        d.SetSkinStream(TTestSkin().Packed());
        d.Loaded(); // creates it through the factory
        QVERIFY(created);
        QCOMPARE(TSkinManagerHook::Instance(), created);
        QCOMPARE(created->registered.size(), 1);
    }
    delete created;
    QVERIFY(!TSkinManagerHook::Instance()); // a destroyed manager is no longer current

    // A component built in code that never ran Loaded: Active creates and joins the manager.
    created = nullptr;
    TSkinData late;
    late.SetSkinStream(TTestSkin().Packed());
    TSkinManagerHook::SetInstance(nullptr);
    // Leave "being read" without a manager and without a factory call happening yet.
    TSkinManagerHook::Factory keep = TSkinManagerHook::SetFactory({});
    late.Loaded();
    TSkinManagerHook::SetFactory(keep);
    QVERIFY(!created);
    late.SetActive(true);
    QVERIFY(created);
    QCOMPARE(created->registered, QList<TSkinData *>{&late});
    QVERIFY(created->calls.contains(QStringLiteral("action1/250")));
    TSkinManagerHook::SetInstance(nullptr);
    delete created;
}

void TestSkinData::nothingHappensWithoutManager() {
    TSkinManagerHook::SetInstance(nullptr);
    TSkinData d;
    d.SetSkinStream(TTestSkin().Packed());
    d.SetActive(true);
    d.Loaded();
    d.SetActive(false);
    d.SetActive(true);
    d.SkinChanged();
    QVERIFY(d.Active());
    QVERIFY(!d.SkinLoading());
}

void TestSkinData::refusedPackagesLeaveNoSkin_data() {
    QTest::addColumn<QByteArray>("packed");
    const QByteArray good = TTestSkin().Packed();
    QTest::newRow("empty-size") << QByteArray(3, '\0');
    QTest::newRow("truncated") << good.left(good.size() / 2);
    QByteArray flipped = good;
    flipped[flipped.size() / 3] = char(flipped[flipped.size() / 3] ^ 0x5A);
    flipped[flipped.size() / 2] = char(flipped[flipped.size() / 2] ^ 0xA5);
    QTest::newRow("bit-flipped") << flipped;
    QByteArray oversized = good;
    oversized[3] = char(0x7F); // announces about 2 GiB
    QTest::newRow("oversized") << oversized;
    QByteArray random(4096, '\0');
    quint32 x = 12345;
    for (char &c : random) {
        x = x * 1103515245u + 12345u;
        c = char(x >> 24);
    }
    QTest::newRow("random") << random;
}

void TestSkinData::refusedPackagesLeaveNoSkin() {
    QFETCH(QByteArray, packed);
    const VersionReporter previous = SetVersionReporter([](const QString &) {});
    TSkinData d;
    d.SetSkinStream(TTestSkin().Packed());
    QVERIFY(d.Tabs);
    d.SetSkinStream(packed);
    SetVersionReporter(previous);
    QVERIFY(d.SkinLoading());
    QVERIFY(!d.Tabs);
    QVERIFY(!d.ComboxArrow);
    QVERIFY(d.TitleButtons.empty());
    QVERIFY(!d.Top->HasImage());
    QCOMPARE(d.ButtonFace, clBtnFace);
    d.SetActive(true);
    d.Loaded();
    QVERIFY(!d.Active());
    QVERIFY(!manager->calls.contains(QStringLiteral("action1/250")));
}

void TestSkinData::unknownVersionIsReportedOnce() {
    QByteArray unpacked = TTestSkin().Unpacked();
    qToLittleEndian<quint32>(60000, unpacked.data());
    const QByteArray packed = TLZHEncoder::Pack(unpacked);
    QStringList messages;
    const VersionReporter previous =
        SetVersionReporter([&messages](const QString &m) { messages << m; });
    TSkinData d;
    d.SetSkinStream(packed);
    d.SetActive(true);
    d.Loaded();
    SetVersionReporter(previous);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first(), UnknownVersionMessage());
    QVERIFY(d.SkinLoading());
    QVERIFY(!d.Active());
    QVERIFY(!d.Tabs);
}

void TestSkinData::reloadReplacesEverything() {
    TTestSkin first;
    TSkinData d;
    d.SetSkinStream(first.Packed());
    QVERIFY(d.ComboxArrow && d.ComboxArrow->HasImage());
    const QImage firstToolbar = d.Toolbar->Image;
    const size_t firstButtons = d.TitleButtons.size();

    TTestSkin second;
    second.RemoveSection("ComboButton");
    second.RemoveSection("SunkEdge");
    second.RemoveSection("BUTTON5");
    second.SetKey("Colours", "ButtonFace", "10 20 30");
    second.RemoveKey("Personality", "Top");
    second.SetStrip("tabs.bmp", 5, QSize(8, 8));
    d.SetSkinStream(second.Packed());
    QVERIFY(!d.SkinLoading());
    QVERIFY(!d.ComboButton);
    QVERIFY(!d.SunkEdge);
    QVERIFY(d.ComboxArrow);
    QVERIFY(!d.ComboxArrow->HasImage()); // the previous skin's arrow is gone
    QCOMPARE(d.TitleButtons.size(), firstButtons - 1);
    QVERIFY(d.Toolbar->Image != firstToolbar);
    QCOMPARE(d.TitleSampleColor, SkinRgb(10, 20, 30));
    QCOMPARE(d.Tabs->Image.size(), QSize(40, 8));
    QCOMPARE(d.Tabs->Image.pixel(4, 4), second.FrameColour("tabs.bmp", 1));
    QVERIFY(!d.Top->HasImage());
}

void TestSkinData::skinFileLoadsAndReapplies() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.skn"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(TTestSkin().Packed());
    f.close();

    TSkinData d;
    d.Loaded();
    manager->started = 1;
    manager->calls.clear();
    d.SetSkinFile(dir.filePath(QStringLiteral("missing.skn")));
    QVERIFY(d.SkinLoading());
    QVERIFY(manager->calls.isEmpty());
    d.SetSkinFile(path);
    QVERIFY(!d.SkinLoading());
    QVERIFY(d.Tabs);
    QCOMPARE(manager->calls, QStringList({"pending", "refresh", "action3/250"}));
    QCOMPARE(d.SkinFile(), path);

    TSkinData reading; // while being read: loads, but asks nothing of the manager
    manager->calls.clear();
    reading.SetSkinFile(path);
    QVERIFY(!reading.SkinLoading());
    QVERIFY(manager->calls.isEmpty());
}

void TestSkinData::storedSkinStreamForm() {
    const QByteArray packed = TTestSkin().Packed();
    TSkinData a;
    a.SetSkinStream(packed);
    const QByteArray stored = a.WriteStoredSkinStream();
    QCOMPARE(stored.size(), packed.size() + 4);
    QCOMPARE(qFromLittleEndian<qint32>(stored.constData()), qint32(packed.size()));

    TSkinData b;
    QVERIFY(b.ReadStoredSkinStream(stored));
    QVERIFY(!b.SkinLoading());
    QCOMPARE(b.SkinStream(), packed);

    TSkinData c;
    QVERIFY(c.ReadStoredSkinStream(QByteArray(4, '\0'))); // N = 0: nothing
    QVERIFY(c.SkinLoading());
    QVERIFY(!c.ReadStoredSkinStream(stored.left(stored.size() - 1))); // truncated
    QVERIFY(c.SkinStream().isEmpty());
    QVERIFY(!c.ReadStoredSkinStream(QByteArray(2, '\1')));
    QCOMPARE(TSkinData().WriteStoredSkinStream(), QByteArray(4, '\0'));
}

void TestSkinData::formSkinDecision() {
    TSkinData d;
    bool doSkin = true;
    d.FormSkinDecision(nullptr, QStringLiteral("SysMonthCal32"), doSkin);
    QVERIFY(!doSkin);
    doSkin = true;
    d.FormSkinDecision(nullptr, QStringLiteral("TfrPreview"), doSkin);
    QVERIFY(doSkin);
    d.SetSkinControls(d.SkinControls() | TSkinData::xcFastReport);
    d.FormSkinDecision(nullptr, QStringLiteral("TfrPreview"), doSkin);
    QVERIFY(!doSkin);

    QString seen;
    d.OnFormSkin = [&seen](QObject *, const QString &name, bool &) { seen = name; };
    doSkin = true;
    d.FormSkinDecision(nullptr, QStringLiteral("SysMonthCal32"), doSkin);
    QVERIFY(doSkin); // the event alone decides
    QCOMPARE(seen, QStringLiteral("SysMonthCal32"));

    QSignalSpy spy(&d, &TSkinData::OnSkinChanged);
    d.DoSkinChanged();
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).value<TSkinData *>(), &d);
}

void TestSkinData::destructionUnregisters() {
    auto d = std::make_unique<TSkinData>();
    d->Loaded();
    QCOMPARE(manager->registered.size(), 1);
    d.reset();
    QVERIFY(manager->registered.isEmpty());
    QCOMPARE(manager->calls.last(), QStringLiteral("remove"));
}

QTEST_MAIN(TestSkinData)
#include "tst_skindata.moc"

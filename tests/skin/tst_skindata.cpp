// The skin-data component: "being read", loading, refusal, manager registration.
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

    void AddSkinData(TSkinData *data) override { registered << data, calls << "add"; }
    void RemoveSkinData(TSkinData *data) override { registered.removeAll(data), calls << "remove"; }
    void InstallHook() override { calls << "hook"; }
    void SetPendingSkinData(TSkinData *) override { calls << "pending"; }
    void RequestAction(TSkinAction action, int ms) override {
        calls << QString("action%1/%2").arg(int(action)).arg(ms);
    }
    int Started() const override { return started; }
    void SetStarted(int value) override {
        started = value, calls << QString("started%1").arg(value);
    }
    void SetSkinningActive(bool active) override { calls << QString("skinning%1").arg(active); }
    void SkinWindow(QObject *) override { calls << "skinwindow"; }
    void RefreshSkinData() override { calls << "refresh"; }
};

const QByteArray &Packed() {
    static const QByteArray packed = TTestSkin().Packed();
    return packed;
}

} // namespace

class TestSkinData : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void streamingLoadsSkinBeforeLoaded();
    void loadedRegistersAndStarts();
    void activeSetterByFormType();
    void activeCreatesManagerWhenNeeded();
    void refusedPackagesChangeNothing_data();
    void refusedPackagesChangeNothing();
    void reloadWhileHeld();
    void skinFileLoadsAndReapplies();
    void storedSkinStreamForm();
    void formSkinDecision();

private:
    RecordingManager *manager = nullptr;
};

void TestSkinData::init() {
    manager = new RecordingManager;
    TSkinManagerHook::SetInstance(manager);
}

void TestSkinData::cleanup() {
    TSkinManagerHook::SetInstance(nullptr);
    TSkinManagerHook::SetFactory({});
    delete manager;
}

void TestSkinData::streamingLoadsSkinBeforeLoaded() {
    TSkinData d;
    QVERIFY(d.IsReading() && d.SkinLoading());
    QVERIFY(d.setProperty("SkinStream", Packed())); // as a window definition sets it
    QVERIFY(!d.SkinLoading());                      // read at once, while still being read
    QVERIFY(d.Objects()->Tabs);
    d.SetActive(true); // while being read: stored only
    QVERIFY(d.Active());
    QCOMPARE(d.Objects()->SkinName, QStringLiteral("skin.ini"));
    d.SetSkinStream(QByteArray()); // an empty stream keeps the skin held
    QCOMPARE(d.SkinStream(), Packed());
    QVERIFY(!d.SkinLoading());
    QVERIFY(manager->calls.isEmpty());

    TSkinData trailing; // bytes after the complete stream are ignored
    trailing.SetSkinStream(Packed() + QByteArray(300, '\x7F'));
    QVERIFY(trailing.Objects() && trailing.Objects()->Tabs);
}

void TestSkinData::loadedRegistersAndStarts() {
    {
        TSkinData d;
        d.SetSkinStream(Packed());
        d.SetActive(true);
        d.Loaded();
        QVERIFY(!d.IsReading() && d.Active());
        QCOMPARE(manager->calls, QStringList({"add", "hook", "action1/250"}));
        QCOMPARE(manager->registered, QList<TSkinData *>{&d});
    }
    QCOMPARE(manager->calls.last(), QStringLiteral("remove")); // destruction unregisters
    QVERIFY(manager->registered.isEmpty());

    manager->calls.clear();
    TSkinData empty; // no skin read: Active switches off, no action queued
    empty.SetActive(true);
    empty.Loaded();
    QVERIFY(!empty.Active());
    QCOMPARE(manager->calls, QStringList({"add", "hook"}));

    TSkinData menu; // the menu-item switch becomes the main-menu one
    menu.SetSkinControls(menu.SkinControls() | TSkinData::xcMenuItem);
    menu.Loaded();
    QVERIFY(menu.SkinControls().testFlag(TSkinData::xcMainMenu));
    QVERIFY(!menu.SkinControls().testFlag(TSkinData::xcMenuItem));
    TSkinData noMenu;
    noMenu.SetSkinControls(noMenu.SkinControls() &
                           ~TSkinData::TSkinControlTypes(TSkinData::xcMainMenu));
    noMenu.Loaded();
    QVERIFY(!noMenu.SkinControls().testFlag(TSkinData::xcSystemMenu));

    QObject owner; // another form type skins its owner at once and counts as started
    TSkinData dialog(&owner);
    dialog.SetSkinFormtype(TSkinData::sfDialog);
    dialog.SetActive(true);
    manager->calls.clear();
    dialog.Loaded();
    QCOMPARE(manager->calls, QStringList({"add", "skinning1", "started1"}));
}

void TestSkinData::activeSetterByFormType() {
    const auto loaded = [](TSkinData &d, TSkinData::TSkinFormType type, bool withSkin) {
        d.SetSkinFormtype(type);
        if (withSkin)
            d.SetSkinStream(Packed());
        d.Loaded();
    };
    TSkinData d;
    loaded(d, TSkinData::sfMainform, true);
    manager->calls.clear();
    d.SetActive(false); // unchanged: nothing
    QVERIFY(manager->calls.isEmpty());
    d.SetActive(true);
    QCOMPARE(manager->calls, QStringList({"pending", "action1/250", "started1"}));
    manager->calls.clear();
    d.SetActive(false);
    QCOMPARE(manager->calls, QStringList({"pending", "action2/250"}));

    TSkinData only;
    loaded(only, TSkinData::sfOnlyThisForm, false);
    manager->calls.clear();
    only.SetActive(true); // no skin read: pending only
    QCOMPARE(manager->calls, QStringList({"pending"}));

    TSkinData main, dialog;
    loaded(main, TSkinData::sfMainform, false);
    loaded(dialog, TSkinData::sfDialog, true);
    manager->calls.clear();
    main.SetActive(true); // main form without a skin, and dialogs: nothing
    dialog.SetActive(true);
    QVERIFY(manager->calls.isEmpty());

    TSkinManagerHook::SetInstance(nullptr); // without any manager nothing breaks
    TSkinData alone;
    alone.SetSkinStream(Packed());
    alone.Loaded();
    alone.SetActive(false);
    alone.SetActive(true);
    alone.SkinChanged();
    QVERIFY(alone.Active() && !alone.SkinLoading());
}

void TestSkinData::activeCreatesManagerWhenNeeded() {
    TSkinManagerHook::SetInstance(nullptr);
    RecordingManager *created = nullptr;
    TSkinManagerHook::SetFactory([&created]() { return created = new RecordingManager; });
    {
        TSkinData d;
        d.SetSkinStream(Packed());
        d.Loaded(); // creates it through the factory
        QVERIFY(created);
        QCOMPARE(TSkinManagerHook::Instance(), created);
        QCOMPARE(created->registered.size(), 1);
    }
    delete created;
    QVERIFY(!TSkinManagerHook::Instance()); // a destroyed manager is no longer current

    // A component that left "being read" without a manager: Active creates and joins one.
    created = nullptr;
    TSkinData late;
    late.SetSkinStream(Packed());
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

void TestSkinData::refusedPackagesChangeNothing_data() {
    QTest::addColumn<QByteArray>("packed");
    const QByteArray good = Packed();
    QTest::newRow("empty-size") << QByteArray(3, '\0');
    QTest::newRow("truncated") << good.left(good.size() / 2);
    QByteArray flipped = good;
    flipped[good.size() / 3] = char(flipped[good.size() / 3] ^ 0x5A);
    flipped[good.size() / 2] = char(flipped[good.size() / 2] ^ 0xA5);
    QTest::newRow("bit-flipped") << flipped;
    QByteArray oversized = good;
    oversized[3] = char(0x7F); // announces about 2 GiB
    QTest::newRow("oversized") << oversized;
    QByteArray unpacked = TTestSkin().Unpacked();
    qToLittleEndian<quint32>(60000, unpacked.data());
    QTest::newRow("unknown version") << TLZHEncoder::Pack(unpacked);
}

void TestSkinData::refusedPackagesChangeNothing() {
    QFETCH(QByteArray, packed);
    QStringList messages;
    const VersionReporter previous = SetVersionReporter([&](const QString &m) { messages << m; });
    TSkinData fresh; // no skin yet: none after the refusal, and Loaded switches Active off
    fresh.SetSkinStream(packed);
    fresh.SetActive(true);
    fresh.Loaded();
    QVERIFY(fresh.SkinLoading() && !fresh.Objects() && fresh.SkinStream().isEmpty());
    QVERIFY(!fresh.Active());
    QVERIFY(!manager->calls.contains(QStringLiteral("action1/250")));

    TSkinData d; // a skin in use stays in use, unannounced
    d.SetSkinStream(Packed());
    d.Loaded();
    const auto before = d.Objects();
    QSignalSpy changed(&d, &TSkinData::OnSkinChanged);
    manager->calls.clear();
    d.SetSkinStream(packed);
    SetVersionReporter(previous);
    QCOMPARE(d.Objects(), before);
    QCOMPARE(d.Objects()->ButtonFace, SkinRgb(236, 240, 245));
    QCOMPARE(d.SkinStream(), Packed());
    QVERIFY(!d.SkinLoading() && changed.isEmpty() && manager->calls.isEmpty());
    const bool version = QByteArray(QTest::currentDataTag()) == "unknown version";
    QCOMPARE(messages, version ? QStringList(2, UnknownVersionMessage()) : QStringList());
}

void TestSkinData::reloadWhileHeld() {
    TSkinData d;
    d.SetSkinStream(Packed());
    d.Loaded();
    manager->started = 1;
    manager->calls.clear();
    QSignalSpy changed(&d, &TSkinData::OnSkinChanged);
    const std::shared_ptr<const SkinObjects> held = d.Objects(); // a window painting from it
    const TDataSkinObject *heldTabs = held->Tabs.get();
    const QImage heldToolbar = held->Toolbar->Image;

    TTestSkin second;
    for (const char *section : {"ComboButton", "SunkEdge", "BUTTON5"})
        second.RemoveSection(section);
    second.SetKey("Colours", "ButtonFace", "10 20 30");
    second.RemoveKey("Personality", "Top");
    second.SetStrip("tabs.bmp", 5, QSize(8, 8));
    d.SetSkinStream(second.Packed());

    QCOMPARE(changed.size(), 1);
    QCOMPARE(manager->calls, QStringList({"pending", "refresh", "action3/250"}));
    // The holder's set is untouched and alive.
    QCOMPARE(held->Tabs.get(), heldTabs);
    QCOMPARE(held->Tabs->Image.size(), QSize(200, 24));
    QCOMPARE(held->ButtonFace, SkinRgb(236, 240, 245));
    QVERIFY(held->ComboButton && held->Top->HasImage());
    // The new set replaces everything, derived images included.
    const auto now = d.Objects();
    QVERIFY(now != held);
    QVERIFY(!now->ComboButton && !now->SunkEdge && !now->Top->HasImage());
    QVERIFY(now->ComboxArrow && !now->ComboxArrow->HasImage()); // no arrow of the old skin
    QCOMPARE(now->TitleButtons.size(), held->TitleButtons.size() - 1);
    QVERIFY(now->Toolbar->Image != heldToolbar);
    QCOMPARE(now->TitleSampleColor, SkinRgb(10, 20, 30));
    QCOMPARE(now->Tabs->Image.size(), QSize(40, 8));
    QCOMPARE(now->Tabs->Image.pixel(4, 4), second.FrameColour("tabs.bmp", 1));
}

void TestSkinData::skinFileLoadsAndReapplies() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.skn"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(Packed()) == Packed().size());
    f.close();
    TSkinData d;
    d.Loaded();
    manager->started = 1;
    manager->calls.clear();
    d.SetSkinFile(dir.filePath(QStringLiteral("missing.skn")));
    QVERIFY(d.SkinLoading());
    QVERIFY(manager->calls.isEmpty());
    d.SetSkinFile(path);
    QVERIFY(!d.SkinLoading() && d.Objects()->Tabs);
    QCOMPARE(manager->calls, QStringList({"pending", "refresh", "action3/250"}));
    const auto held = d.Objects(); // a missing file later keeps the skin in use
    manager->calls.clear();
    d.SetSkinFile(dir.filePath(QStringLiteral("missing.skn")));
    QCOMPARE(d.Objects(), held);
    QVERIFY(manager->calls.isEmpty());

    TSkinData reading; // while being read: loads, but asks nothing of the manager
    manager->calls.clear();
    reading.SetSkinFile(path);
    QVERIFY(!reading.SkinLoading());
    QVERIFY(manager->calls.isEmpty());
}

void TestSkinData::storedSkinStreamForm() {
    TSkinData a;
    a.SetSkinStream(Packed());
    const QByteArray stored = a.WriteStoredSkinStream();
    QCOMPARE(stored.size(), Packed().size() + 4);
    QCOMPARE(qFromLittleEndian<qint32>(stored.constData()), qint32(Packed().size()));
    TSkinData b;
    QVERIFY(b.ReadStoredSkinStream(stored));
    QVERIFY(!b.SkinLoading());
    QCOMPARE(b.SkinStream(), Packed());

    TSkinData c;
    QVERIFY(c.ReadStoredSkinStream(QByteArray(4, '\0'))); // N = 0: nothing
    QVERIFY(c.SkinLoading());
    QVERIFY(!c.ReadStoredSkinStream(stored.chopped(1)));
    QVERIFY(!c.ReadStoredSkinStream(QByteArray(2, '\1')));
    QVERIFY(c.SkinStream().isEmpty());
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

QTEST_MAIN(TestSkinData)
#include "tst_skindata.moc"

// The skin-data component: "being read", loading, refusal, manager registration.
#include "skin/data/tskindata.h"
#include "skin/data/tskinmanagerhook.h"
#include "skin/package/lzhencoder.h"
#include "skin/package/versionreporter.h"
#include "skin/window/skinmessageevent.h"
#include "skin/window/tskinmanage.h"
#include "skin/window/twinskinform.h"
#include "support/skin/testskin.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

using namespace skin;
using skin::test::TTestSkin;

namespace {

// A window of the test, shown.
std::unique_ptr<QWidget> Shown() {
    auto window = std::make_unique<QWidget>();
    window->resize(200, 120);
    window->show();
    QApplication::processEvents();
    QApplication::processEvents();
    return window;
}

bool IsSkinned(QWidget *window) {
    return SendSkinMessage(window, SM_SKINQUERY) == 1;
}

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
    TSkinManage *manager = nullptr;
};

void TestSkinData::init() {
    manager = new TSkinManage;
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
    QVERIFY(!manager->HasSkinData(&d) && !manager->ActionPending());

    TSkinData trailing; // bytes after the complete stream are ignored
    trailing.SetSkinStream(Packed() + QByteArray(300, '\x7F'));
    QVERIFY(trailing.Objects() && trailing.Objects()->Tabs);
}

void TestSkinData::loadedRegistersAndStarts() {
    std::optional<TSkinData> d(std::in_place);
    d->SetSkinStream(Packed());
    d->SetActive(true);
    d->Loaded();
    QVERIFY(!d->IsReading() && d->Active());
    const TSkinData *registered = &*d;
    QVERIFY(manager->HasSkinData(registered));
    QVERIFY(IsSkinned(Shown().get())); // before the first window skinning is switched on at once
    d.reset();
    QVERIFY(!manager->HasSkinData(registered)); // destruction unregisters

    TSkinData empty; // no skin read: Active switches off, no window takes it
    empty.SetActive(true);
    empty.Loaded();
    QVERIFY(!empty.Active() && manager->HasSkinData(&empty));
    QVERIFY(!IsSkinned(Shown().get()));

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

    QWidget owner; // another form type skins its owner at once and counts as started
    owner.resize(200, 120);
    owner.show();
    TSkinData only(&owner);
    only.SetSkinFormtype(TSkinData::sfOnlyThisForm);
    only.SetSkinStream(Packed());
    only.SetActive(true);
    only.Loaded();
    QCOMPARE(manager->Phase(), TSkinManage::TPhase::Running);
    QTRY_VERIFY(IsSkinned(&owner));
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
    const auto window = Shown();
    QVERIFY(!IsSkinned(window.get()));
    d.SetActive(false); // unchanged: nothing
    QVERIFY(!manager->ActionPending());
    d.SetActive(true); // skinned, unskinned and skinned again by the manager's actions
    QTRY_VERIFY(IsSkinned(window.get()));
    d.SetActive(false);
    QTRY_VERIFY(!IsSkinned(window.get()));
    d.SetActive(true);
    QTRY_VERIFY(IsSkinned(window.get()));

    TSkinData only, main, dialog; // without a skin, and dialogs: no action
    loaded(only, TSkinData::sfOnlyThisForm, false);
    loaded(main, TSkinData::sfMainform, false);
    loaded(dialog, TSkinData::sfDialog, true);
    only.SetActive(true);
    main.SetActive(true);
    dialog.SetActive(true);
    QVERIFY(!manager->ActionPending());

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
    delete std::exchange(manager, nullptr);
    QVERIFY(!TSkinManagerHook::Instance()); // a destroyed manager is no longer current
    TSkinManage *created = nullptr;
    TSkinManagerHook::SetFactory([&created]() { return created = new TSkinManage; });
    {
        TSkinData d;
        d.SetSkinStream(Packed());
        d.Loaded(); // creates it through the factory
        QVERIFY(created);
        QCOMPARE(TSkinManagerHook::Instance(), created);
        QVERIFY(created->HasSkinData(&d));
    }
    delete created;

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
    QVERIFY(created->HasSkinData(&late) && created->SkinningActive());
    manager = created;
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
    QVERIFY(!manager->SkinningActive());

    TSkinData d; // a skin in use stays in use, unannounced
    d.SetSkinStream(Packed());
    d.Loaded();
    const auto before = d.Objects();
    QSignalSpy changed(&d, &TSkinData::OnSkinChanged);
    d.SetSkinStream(packed);
    SetVersionReporter(previous);
    QCOMPARE(d.Objects(), before);
    QCOMPARE(d.Objects()->ButtonFace, SkinRgb(236, 240, 245));
    QCOMPARE(d.SkinStream(), Packed());
    QVERIFY(!d.SkinLoading() && changed.isEmpty() && !manager->ActionPending());
    const bool version = QByteArray(QTest::currentDataTag()) == "unknown version";
    QCOMPARE(messages, version ? QStringList(2, UnknownVersionMessage()) : QStringList());
}

void TestSkinData::reloadWhileHeld() {
    TSkinData d;
    d.SetSkinStream(Packed());
    d.SetActive(true);
    d.Loaded();
    const auto window = Shown();
    TWinSkinForm *form = manager->FindSkinnedWindow(window.get());
    QVERIFY(form);
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
    // The window is skinned again with the new set (no top border: no caption height).
    QTRY_COMPARE(form->Skin(), d.Objects());
    QCOMPARE(window->contentsMargins().top(), 0);
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
    const auto window = Shown(); // the manager has started
    d.SetSkinFile(dir.filePath(QStringLiteral("missing.skn")));
    QVERIFY(d.SkinLoading());
    QVERIFY(!manager->ActionPending());
    d.SetSkinFile(path);
    QVERIFY(!d.SkinLoading() && d.Objects()->Tabs);
    QVERIFY(manager->ActionPending()); // the windows take the new skin
    QTRY_VERIFY(!manager->ActionPending());
    const auto held = d.Objects(); // a missing file later keeps the skin in use
    d.SetSkinFile(dir.filePath(QStringLiteral("missing.skn")));
    QCOMPARE(d.Objects(), held);
    QVERIFY(!manager->ActionPending());

    TSkinData reading; // while being read: loads, but asks nothing of the manager
    reading.SetSkinFile(path);
    QVERIFY(!reading.SkinLoading());
    QVERIFY(!manager->ActionPending() && !manager->HasSkinData(&reading));
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

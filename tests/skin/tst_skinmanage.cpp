// The skin manager: which windows it skins with which component, its queued actions, components
// that come and go, and the seams of the control and menu layers.
#include "skin/window/skinmessageevent.h"
#include "skin/window/tcontrollayer.h"
#include "skin/window/tframemenubar.h"
#include "skin/window/tmenulayer.h"
#include "skin/window/twinskinform.h"
#include "support/skin/windowfixture.h"

#include <QCalendarWidget>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QtTest>

using namespace skin;
using namespace skin::test;

namespace {

class PrintPreviewPane : public QWidget {
    Q_OBJECT
};

bool IsSkinned(QWidget *window) {
    return SendSkinMessage(window, SM_SKINQUERY) == 1;
}

std::unique_ptr<QWidget> Window() {
    auto window = std::make_unique<QWidget>();
    window->resize(200, 120);
    return window;
}

class ControlLayerStub : public TControlLayer {
public:
    QStringList calls;
    void SkinFormControls(TWinSkinForm &form) override {
        calls << QStringLiteral("form");
        form.RegisterSkinControl(new QObject(form.Handle()));
    }
    void SkinNativeChildren(TWinSkinForm &) override { calls << QStringLiteral("native"); }
    void SkinNativeWindow(TWinSkinForm &, QWidget *) override {}
    void RestoreControl(QObject *control) override {
        calls << QStringLiteral("restore");
        delete control;
    }
    void ReapplyColor(QObject *) override { calls << QStringLiteral("colour"); }
};

class MenuLayerStub : public TMenuLayer {
public:
    int wrapped = 0;
    void OpenSystemMenu(TWinSkinForm &, const QPoint &) override {}
    QObject *WrapPopupMenu(QMenu *, TSkinData *) override {
        ++wrapped;
        return new QObject;
    }
    std::unique_ptr<TFrameMenuBar> CreateMenuBar(TWinSkinForm &) override { return nullptr; }
};

} // namespace

class TestSkinManage : public QObject {
    Q_OBJECT
private slots:
    void actionsBeforeTheFirstWindowOnlySwitch();
    void onlyTheLastRequestRuns();
    void windowRules_data();
    void windowRules();
    void componentForEachWindow();
    void removedComponentsAreNotUsed();
    void componentLoadedBeforeTheManagerRegisters();
    void controlLayerSeam();
    void popupMenuGate();
};

void TestSkinManage::actionsBeforeTheFirstWindowOnlySwitch() {
    TSkinManage manager;
    manager.RequestAction(TSkinManage::SkinAllAction, 250);
    QVERIFY(manager.SkinningActive());
    QVERIFY(!manager.ActionPending());
    manager.RequestAction(TSkinManage::UnskinAllAction, 250);
    QVERIFY(!manager.SkinningActive());
    QVERIFY(!manager.ActionPending());
}

void TestSkinManage::onlyTheLastRequestRuns() {
    TWindowFixture fixture;
    TSkinData *data = fixture.AddSkinData(TTestSkin());
    auto window = Window();
    QVERIFY(fixture.Show(window.get()));
    QSignalSpy changed(data, &TSkinData::OnSkinChanged);
    fixture.Manager().SetPendingSkinData(data);
    fixture.Manager().RequestAction(TSkinManage::UnskinAllAction, 50);
    fixture.Manager().SetPendingSkinData(data);
    fixture.Manager().RequestAction(TSkinManage::SkinChangedAction, 50);
    QTRY_COMPARE(changed.count(), 1);
    QVERIFY(!fixture.Manager().ActionPending()); // nothing left to run
    QCoreApplication::sendPostedEvents();
    QCOMPARE(changed.count(), 1);
    QVERIFY(IsSkinned(window.get())); // re-applied, not unskinned
}

void TestSkinManage::windowRules_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("preview");
    QTest::addColumn<bool>("skinned");
    QTest::newRow("plain window") << "plain" << false << true;
    QTest::newRow("tag 99") << "tag" << false << false;
    QTest::newRow("popup") << "popup" << false << false;
    QTest::newRow("preview without xoPreview") << "preview" << false << false;
    QTest::newRow("preview with xoPreview") << "preview" << true << true;
    QTest::newRow("month calendar") << "calendar" << true << false;
}

void TestSkinManage::windowRules() {
    QFETCH(QString, window);
    QFETCH(bool, preview);
    TWindowFixture fixture;
    TSkinData *data = fixture.AddSkinData(TTestSkin());
    data->SetOptions(preview ? TSkinData::xoPreview : TSkinData::TSkinOptions());
    std::unique_ptr<QWidget> w;
    if (window == QLatin1String("preview"))
        w = std::make_unique<PrintPreviewPane>();
    else if (window == QLatin1String("calendar"))
        w = std::make_unique<QCalendarWidget>();
    else
        w = std::make_unique<QWidget>(nullptr,
                                      window == QLatin1String("popup") ? Qt::Popup : Qt::Window);
    if (window == QLatin1String("tag"))
        w->setProperty("tag", 99);
    w->resize(200, 120);
    fixture.Show(w.get());
    QTEST(IsSkinned(w.get()), "skinned");
    QCOMPARE(w->windowFlags().testFlag(Qt::FramelessWindowHint), IsSkinned(w.get()));
}

void TestSkinManage::componentForEachWindow() {
    TWindowFixture fixture;
    TTestSkin skin;
    auto own = Window();
    TSkinData *first = fixture.AddSkinData(skin);
    TSkinData *last = fixture.AddSkinData(skin);
    TSkinData *mine = fixture.AddSkinData(skin, own.get(), TSkinData::sfOnlyThisForm);
    TSkinManage &manager = fixture.Manager();
    QMessageBox box;
    auto plain = Window();
    QCOMPARE(manager.FindSkinDataFor(&box), last);
    QCOMPARE(manager.FindSkinDataFor(plain.get()), last);
    QCOMPARE(manager.FindSkinDataFor(own.get()), mine);
    QCOMPARE(manager.MainSkinData(), first);
    TSkinData *dialogs = fixture.AddSkinData(skin, nullptr, TSkinData::sfDialog);
    QCOMPARE(manager.FindSkinDataFor(&box), dialogs);
    QCOMPARE(manager.FindSkinDataFor(plain.get()), last);
}

void TestSkinManage::removedComponentsAreNotUsed() {
    TWindowFixture fixture;
    TTestSkin skin;
    auto window = Window();
    auto *first = fixture.AddSkinData(skin, window.get());
    auto other = Window();
    auto *second = fixture.AddSkinData(skin, other.get());
    TWinSkinForm *form = fixture.Show(window.get());
    QCOMPARE(form->SkinData(), second); // the last main component
    delete second;
    QCOMPARE(fixture.Manager().MainSkinData(), first);
    QTRY_COMPARE(form->SkinData(), first);
    QVERIFY(form->Skin());
    QVERIFY(!Grab(window.get()).isNull());

    delete first; // no component left: the window goes back to its own frame
    QTRY_VERIFY(!IsSkinned(window.get()));
    QVERIFY(!window->windowFlags().testFlag(Qt::FramelessWindowHint));
    auto later = Window();
    QVERIFY(!fixture.Show(later.get()));
    QVERIFY(!fixture.Manager().MainSkinData());

    // A window destroyed with its component leaves no entry behind.
    auto *login = new QWidget;
    fixture.AddSkinData(skin, login);
    QVERIFY(fixture.Show(login));
    delete login;
    QTRY_VERIFY(fixture.Manager().WindowCount() == 0);
}

void TestSkinManage::componentLoadedBeforeTheManagerRegisters() {
    QVERIFY(!TSkinManagerHook::Instance());
    auto window = Window();
    auto *data = new TSkinData(window.get());
    data->SetActive(true);
    data->SetSkinStream(TTestSkin().Packed());
    data->Loaded(); // no manager yet: nothing registered
    TSkinManage manager;
    QVERIFY(manager.HasSkinData(data));
    QCOMPARE(manager.MainSkinData(), data);
    window->show();
    QTRY_VERIFY(IsSkinned(window.get()));
}

void TestSkinManage::controlLayerSeam() {
    TWindowFixture fixture;
    ControlLayerStub layer;
    fixture.Manager().SetControlLayer(&layer);
    TSkinData *data = fixture.AddSkinData(TTestSkin());
    auto window = Window();
    TWinSkinForm *form = fixture.Show(window.get());
    QCOMPARE(form->Controls().size(), 1);
    QMessageBox box;
    fixture.Show(&box);
    SendSkinMessage(window.get(), SM_SKINCOLORS);
    data->SetActive(false);
    QTRY_VERIFY(fixture.Manager().WindowCount() == 0);
    QCOMPARE(layer.calls, QStringList({"form", "native", "colour", "restore"}));
}

void TestSkinManage::popupMenuGate() {
    TWindowFixture fixture;
    MenuLayerStub layer;
    fixture.Manager().SetMenuLayer(&layer);
    TSkinData *data = fixture.AddSkinData(TTestSkin());
    QMenu menu;
    menu.addAction(QStringLiteral("item"));
    menu.popup(QPoint(10, 10));
    QCOMPARE(layer.wrapped, 1);
    QVERIFY(fixture.Manager().IsMenuWrapped(&menu));
    menu.hide();
    QVERIFY(!fixture.Manager().IsMenuWrapped(&menu));

    // A menu-bar drop-down is not wrapped without the menu kinds; the kind does not outlive it.
    data->SetSkinControls(data->SkinControls() & ~TSkinData::xcMainMenu);
    fixture.Manager().SetMenuKind(TSkinManage::TMenuKind::MenuBar);
    menu.popup(QPoint(10, 10));
    QCOMPARE(layer.wrapped, 1);
    menu.hide();
    QCOMPARE(fixture.Manager().MenuKind(), TSkinManage::TMenuKind::Popup);
}

QTEST_MAIN(TestSkinManage)
#include "tst_skinmanage.moc"

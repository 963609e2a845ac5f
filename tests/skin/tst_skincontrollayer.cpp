// The control skins inside skinned windows: the walk when a window is skinned, a kind switched
// off, and unskinning.
#include "skin/controls/tskincontrollayer.h"
#include "skin/window/skinmessageevent.h"
#include "skin/window/twinskinform.h"
#include "support/skin/skinnedwidgets.h"

#include <QCheckBox>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QtTest>

using namespace skin;
using namespace skin::test;

class TestSkinControlLayer : public QObject {
    Q_OBJECT

private slots:
    void controlsFollowTheWindow();
};

void TestSkinControlLayer::controlsFollowTheWindow() {
    TWindowFixture fixture;
    TSkinControlLayer layer;
    fixture.Manager().SetControlLayer(&layer);
    TTestSkin testSkin;
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *button = new QPushButton;
    button->setFocusPolicy(Qt::NoFocus);
    auto *check = new QCheckBox(QStringLiteral("Check"));
    auto *status = new QStatusBar;
    status->setProperty("tag", 99);
    for (QWidget *w : {static_cast<QWidget *>(button), static_cast<QWidget *>(check),
                       static_cast<QWidget *>(status)})
        layout->addWidget(w);
    window.resize(200, 120);
    TSkinData *data = fixture.AddSkinData(testSkin, &window);
    TWinSkinForm *form = fixture.Show(&window);
    QVERIFY(form);
    QCOMPARE(form->Controls().size(), 2);
    const auto query = [](QWidget *w) { return SendSkinMessage(w, SM_SKINQUERY); };
    QCOMPARE(QList<qintptr>({query(button), query(check), query(status)}),
             QList<qintptr>({1, 1, 0}));
    const QPoint centre(button->width() / 2, button->height() - 6);
    const QRgb frame1 = testSkin.FrameColour(QStringLiteral("buttons.bmp"), 1);
    QCOMPARE(PixelOf(button, centre), frame1);

    // A kind switched off paints natively, and again skinned when switched back on.
    data->SetSkinControls(data->SkinControls() &
                          ~TSkinData::TSkinControlTypes(TSkinData::xcButton));
    QVERIFY(PixelOf(button, centre) != frame1);
    QCOMPARE(query(check), qintptr(1));
    data->SetSkinControls(data->SkinControls() | TSkinData::xcButton);
    QCOMPARE(PixelOf(button, centre), frame1);

    // Unskinned with the window, and skinned again with it.
    data->SetActive(false);
    QTRY_VERIFY(!fixture.Manager().FindSkinnedWindow(&window));
    QCOMPARE(QList<qintptr>({query(button), query(check)}), QList<qintptr>({0, 0}));
    data->SetActive(true);
    QTRY_VERIFY(fixture.Manager().FindSkinnedWindow(&window));
    QTRY_COMPARE(query(button), qintptr(1));
}

QTEST_MAIN(TestSkinControlLayer)
#include "tst_skincontrollayer.moc"

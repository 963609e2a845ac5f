// The media-player panel over a stand-in player: layout, frames and glyphs, the presses it
// hands on, and how it follows the player.
#include "skin/controls/tskinmp.h"
#include "support/skin/skinnedwidgets.h"

#include <QMouseEvent>
#include <QtTest>

using namespace skin;
using namespace skin::test;

namespace {

const QString ButtonsImage = QStringLiteral("buttons.bmp");
constexpr QRgb Face = 0xFFECF0F5; // the test skin's ButtonFace
const QString AllButtons =
    QStringLiteral("[btPlay,btPause,btStop,btNext,btPrev,btStep,btBack,btRecord,btEject]");

// Stands in for a media player: its button sets and the presses it was handed.
class FakeMediaPlayer : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString visibleButtons MEMBER visibleButtons)
    Q_PROPERTY(QString enabledButtons MEMBER enabledButtons)
    Q_PROPERTY(QString coloredButtons MEMBER coloredButtons)

public:
    using QWidget::QWidget;
    QString visibleButtons = AllButtons, enabledButtons = AllButtons, coloredButtons;
    QList<QPair<QEvent::Type, int>> handed; // event, x

protected:
    void mousePressEvent(QMouseEvent *e) override { handed.append({e->type(), e->position().x()}); }
    void mouseReleaseEvent(QMouseEvent *e) override {
        handed.append({e->type(), e->position().x()});
    }
};

struct PlayerWindow {
    QWidget window;
    FakeMediaPlayer *player = new FakeMediaPlayer(&window);
    TSkinMP *skin = new TSkinMP(player);
    explicit PlayerWindow(TSkinData *data) {
        window.resize(200, 80);
        player->setGeometry(10, 10, 100, 30);
        skin->InitSkin(nullptr, data, false);
        window.show();
        QCoreApplication::processEvents();
    }
    TWMediaPlayer *Panel() const { return skin->Overlay(); }
    QRgb At(int x, int y) { return PixelOf(Panel(), QPoint(x, y)); }
};

} // namespace

class TestSkinMediaPlayer : public QObject {
    Q_OBJECT

private:
    TTestSkin testSkin;
    std::unique_ptr<TSkinData> data = LoadedSkinData(testSkin);
    QRgb Frame(int frame) const { return testSkin.FrameColour(ButtonsImage, frame); }

private slots:
    void layoutAndGlyphs();
    void pressesHandedOn();
    void followsThePlayer();
};

void TestSkinMediaPlayer::layoutAndGlyphs() {
    PlayerWindow w(data.get());
    // Nine buttons on 100 pixels: 11 each, the last column left on the face.
    QCOMPARE(w.Panel()->geometry(), w.player->geometry());
    QCOMPARE(w.At(5, 2), Frame(1));
    QCOMPARE(w.At(98, 2), Frame(1));
    QCOMPARE(w.At(99, 2), Face);
    // The play glyph in the middle of the first cell: black, coloured, grey when disabled.
    const QPoint glyph(5, 15);
    QCOMPARE(w.At(glyph.x(), glyph.y()), 0xFF000000);
    w.player->coloredButtons = QStringLiteral("[btPlay]");
    QCOMPARE(w.At(glyph.x(), glyph.y()), qRgb(0, 128, 0));
    w.player->enabledButtons = QStringLiteral("[]");
    QCOMPARE(w.At(glyph.x(), glyph.y()), qRgb(128, 128, 128));
    QCOMPARE(w.At(60, 2), Frame(3));
    // No visible buttons: a plain face.
    w.player->visibleButtons = QStringLiteral("[]");
    QCOMPARE(w.At(50, 15), Face);
}

void TestSkinMediaPlayer::pressesHandedOn() {
    PlayerWindow w(data.get());
    TWMediaPlayer *panel = w.Panel();
    QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(27, 15)); // the third button
    QCOMPARE(w.At(24, 2), Frame(2));
    QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(28, 15));
    QCOMPARE(w.At(24, 2), Frame(1));
    // Pressed on the third, released on the fourth: the release is not handed on.
    QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(27, 15));
    QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(38, 15));
    QCOMPARE(w.player->handed, (QList<QPair<QEvent::Type, int>>{{QEvent::MouseButtonPress, 27},
                                                                {QEvent::MouseButtonRelease, 28},
                                                                {QEvent::MouseButtonPress, 27}}));
    QCOMPARE(panel->PressedIndex(), 3);
}

void TestSkinMediaPlayer::followsThePlayer() {
    PlayerWindow w(data.get());
    w.player->setGeometry(30, 20, 120, 40);
    QCOMPARE(w.Panel()->geometry(), QRect(30, 20, 120, 40));
    w.player->hide();
    QVERIFY(!w.Panel()->isVisible());
    w.player->show();
    QVERIFY(w.Panel()->isVisible());
    QPointer<TWMediaPlayer> panel = w.Panel();
    w.skin->Restore();
    QVERIFY(panel.isNull());
}

QTEST_MAIN(TestSkinMediaPlayer)
#include "tst_skinmediaplayer.moc"

// Every kind of window shown, painted, hovered, clicked, sized and unskinned with skins that lack
// each optional part in turn, an empty package and a refused one: nothing crashes, every window
// keeps its client size, and a window the skin cannot draw keeps the desktop's frame.
#include "skin/window/skinmessageevent.h"
#include "skin/window/twinskinform.h"
#include "support/skin/windowfixture.h"

#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPainter>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QtTest>

using namespace skin;
using namespace skin::test;

namespace {

// A variant of the complete skin: "-Section" drops a section, "Section.Key=value" sets a key,
// "empty" and "refused" are packages that give no skin.
QByteArray Package(const QString &variant) {
    if (variant == QLatin1String("empty"))
        return QByteArray();
    TTestSkin skin;
    if (variant == QLatin1String("refused"))
        return skin.Packed().left(200);
    if (variant.startsWith(QLatin1Char('-'))) {
        skin.RemoveSection(variant.mid(1));
    } else if (variant.contains(QLatin1Char('='))) {
        const qsizetype dot = variant.indexOf(QLatin1Char('.')),
                        eq = variant.indexOf(QLatin1Char('='));
        skin.SetKey(variant.left(dot), variant.mid(dot + 1, eq - dot - 1), variant.mid(eq + 1));
    }
    return skin.Packed();
}

std::vector<std::unique_ptr<QWidget>> Windows() {
    std::vector<std::unique_ptr<QWidget>> windows;
    auto dialog = std::make_unique<QWidget>(nullptr, Qt::Dialog);
    (new QVBoxLayout(dialog.get()))->addWidget(new QLabel(QStringLiteral("dialog")));
    windows.push_back(std::move(dialog));
    auto main = std::make_unique<QMainWindow>();
    main->setCentralWidget(new QLabel(QStringLiteral("main")));
    main->statusBar()->setProperty("tag", 99);
    windows.push_back(std::move(main));
    windows.push_back(std::make_unique<QMessageBox>(
        QMessageBox::Information, QStringLiteral("提示"), QStringLiteral("message")));
    windows.push_back(std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint));
    for (auto &w : windows)
        if (!qobject_cast<QMessageBox *>(w.get()))
            w->resize(240, 160);
    return windows;
}

// What a user does to a window: paint, hover and click the caption, size it, switch windows.
void Exercise(QWidget *window) {
    Grab(window);
    QWindow *handle = window->windowHandle();
    for (int x = 2; x < window->width(); x += 13) {
        QTest::mouseMove(handle, QPoint(x, 10));
        QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(x, 10));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(x, 10));
    }
    QImage printed(window->size(), QImage::Format_RGB32);
    QPainter painter(&printed);
    SendSkinMessage(window, SM_SKINPRINTFRAME, reinterpret_cast<qintptr>(&painter), SkinSignature);
    painter.end();
    window->resize(window->size() + QSize(7, 5));
    QApplication::setActiveWindow(nullptr);
    QApplication::processEvents();
    Grab(window);
}

} // namespace

class TestSkinSweep : public QObject {
    Q_OBJECT
private slots:
    void windowsStayUsable_data();
    void windowsStayUsable();
};

void TestSkinSweep::windowsStayUsable_data() {
    QTest::addColumn<QString>("variant");
    QTest::addColumn<bool>("skinned");
    QTest::newRow("complete") << QString() << true;
    const QByteArray ini = TTestSkin().Ini();
    for (const QByteArray &line : ini.split('\n'))
        if (line.startsWith('['))
            QTest::newRow(("without " + line.trimmed()).constData())
                << "-" + QString::fromLatin1(line.trimmed().mid(1).chopped(1)) << true;
    for (const char *key : {"Left", "Top", "Right", "Bottom", "TextBack", "menuBar"})
        QTest::newRow(QByteArray("no image ") + key)
            << QStringLiteral("Personality.%1=").arg(QLatin1String(key)) << true;
    QTest::newRow("left frame count 0") << "Personality.LeftFrame=0" << true;
    QTest::newRow("top frame count 0") << "Personality.TopFrame=0" << true;
    QTest::newRow("button frame count 0") << "BUTTON0.frame=0" << true;
    QTest::newRow("empty package") << "empty" << false;
    QTest::newRow("refused package") << "refused" << false;
}

void TestSkinSweep::windowsStayUsable() {
    QFETCH(QString, variant);
    QFETCH(bool, skinned);
    TWindowFixture fixture;
    auto *data = new TSkinData;
    data->SetActive(true);
    data->SetSkinStream(Package(variant));
    data->Loaded();
    auto windows = Windows();
    QList<Qt::WindowFlags> flags;
    for (auto &window : windows) {
        const QSize client = window->size();
        flags.append(window->windowFlags());
        const bool frameless = flags.last().testFlag(Qt::FramelessWindowHint);
        fixture.Show(window.get());
        QCOMPARE(fixture.Manager().FindSkinnedWindow(window.get()) != nullptr, skinned);
        QCOMPARE(window->windowFlags().testFlag(Qt::FramelessWindowHint), skinned || frameless);
        if (!qobject_cast<QMessageBox *>(window.get()))
            QCOMPARE(window->contentsRect().size(), client);
        Exercise(window.get());
    }
    data->SetActive(false);
    QTRY_VERIFY(fixture.Manager().Windows.isEmpty());
    delete data;
    for (size_t i = 0; i < windows.size(); ++i) {
        QCOMPARE(windows[i]->windowFlags(), flags.at(int(i)));
        Exercise(windows[i].get());
    }
}

QTEST_MAIN(TestSkinSweep)
#include "tst_skinsweep.moc"

// Every kind of window shown, painted, hovered, clicked, sized and unskinned with skins that lack
// each optional part in turn, an empty package and a refused one: nothing crashes, every window
// keeps its client size, and a window the skin cannot draw keeps the desktop's frame.
#include "skin/window/skinmessageevent.h"
#include "skin/window/twinskinform.h"
#include "support/skin/windowfixture.h"

#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QtTest>

using namespace skin;
using namespace skin::test;

namespace {

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

} // namespace

class TestSkinSweep : public QObject {
    Q_OBJECT
private slots:
    void windowsStayUsable_data();
    void windowsStayUsable();
};

void TestSkinSweep::windowsStayUsable_data() {
    QTest::addColumn<QString>("variant");
    for (const QString &variant : SweepVariants())
        QTest::newRow(qPrintable(variant)) << variant;
}

void TestSkinSweep::windowsStayUsable() {
    QFETCH(QString, variant);
    const bool skinned = SweepVariantSkins(variant);
    TWindowFixture fixture;
    TSkinData *data = fixture.AddSkinData(SweepPackage(variant));
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
        ExerciseWindow(window.get());
    }
    data->SetActive(false);
    QTRY_VERIFY(fixture.Manager().WindowCount() == 0);
    for (size_t i = 0; i < windows.size(); ++i) {
        QCOMPARE(windows[i]->windowFlags(), flags.at(int(i)));
        ExerciseWindow(windows[i].get());
    }
}

QTEST_MAIN(TestSkinSweep)
#include "tst_skinsweep.moc"

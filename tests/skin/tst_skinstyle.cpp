// The application style's metrics: scroll bars, sunken frames, combo box parts, tab pages.
#include "skin/controls/skinstyle.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QtTest>

using namespace skin;

class TestSkinStyle : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(new SkinStyle); }
    void metrics();
    void comboParts_data();
    void comboParts();
    void tabPagesInsidePane();
};

void TestSkinStyle::metrics() {
    QStyle *style = QApplication::style();
    QCOMPARE(style->pixelMetric(QStyle::PM_ScrollBarExtent), 17);
    QScrollBar bar(Qt::Vertical);
    QCOMPARE(bar.sizeHint().width(), 17);
    QLineEdit edit;
    QPushButton button;
    QCOMPARE(style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit), 2);
    const int fusion = QStyleFactory::create(QStringLiteral("Fusion"))
                           ->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
    QCOMPARE(style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button), fusion);
    QCOMPARE(style->styleHint(QStyle::SH_ComboBox_Popup), 0);
}

void TestSkinStyle::comboParts_data() {
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::addColumn<QRect>("arrow");
    QTest::addColumn<QRect>("field");
    QTest::newRow("left to right")
        << Qt::LeftToRight << QRect(81, 0, 19, 24) << QRect(2, 2, 77, 20);
    QTest::newRow("right to left")
        << Qt::RightToLeft << QRect(0, 0, 19, 24) << QRect(21, 2, 77, 20);
}

void TestSkinStyle::comboParts() {
    QFETCH(Qt::LayoutDirection, direction);
    QFETCH(QRect, arrow);
    QFETCH(QRect, field);
    QStyleOptionComboBox option;
    option.rect = QRect(0, 0, 100, 24);
    option.direction = direction;
    QStyle *style = QApplication::style();
    QCOMPARE(style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow), arrow);
    QCOMPARE(style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField),
             field);
}

void TestSkinStyle::tabPagesInsidePane() {
    QTabWidget tabs;
    auto *page = new QWidget;
    tabs.addTab(page, QStringLiteral("Page"));
    tabs.resize(200, 150);
    tabs.show();
    QCoreApplication::processEvents();
    // The page stack sits 4 pixels inside the pane's sides and bottom (the pane has no frame
    // of its own there).
    const QRect stack = page->parentWidget()->geometry();
    QCOMPARE(stack.left(), 4);
    QCOMPARE(stack.right(), 200 - 1 - 4);
    QCOMPARE(stack.bottom(), 150 - 1 - 4);
}

QTEST_MAIN(TestSkinStyle)
#include "tst_skinstyle.moc"

// The application style's metrics: scroll bars, sunken frames, combo box parts.
#include "skin/controls/skinstyle.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QtTest>

using namespace skin;

class TestSkinStyle : public QObject {
    Q_OBJECT

private slots:
    void metrics();
};

void TestSkinStyle::metrics() {
    QApplication::setStyle(new SkinStyle);
    QStyle *style = QApplication::style();
    QCOMPARE(style->pixelMetric(QStyle::PM_ScrollBarExtent), 17);
    QLineEdit edit;
    QPushButton button;
    QCOMPARE(style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit), 2);
    QCOMPARE(style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button),
             QStyleFactory::create(QStringLiteral("Fusion"))
                 ->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button));
    QCOMPARE(style->styleHint(QStyle::SH_ComboBox_Popup), 0);

    // The combo's button is a scroll arrow plus the frame wide, on the reading end.
    QStyleOptionComboBox combo;
    combo.rect = QRect(0, 0, 100, 24);
    QCOMPARE(style->subControlRect(QStyle::CC_ComboBox, &combo, QStyle::SC_ComboBoxArrow),
             QRect(81, 0, 19, 24));
    QCOMPARE(style->subControlRect(QStyle::CC_ComboBox, &combo, QStyle::SC_ComboBoxEditField),
             QRect(2, 2, 77, 20));
    combo.direction = Qt::RightToLeft;
    QCOMPARE(style->subControlRect(QStyle::CC_ComboBox, &combo, QStyle::SC_ComboBoxArrow),
             QRect(0, 0, 19, 24));
}

QTEST_MAIN(TestSkinStyle)
#include "tst_skinstyle.moc"

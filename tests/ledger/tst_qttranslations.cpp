// Qt's own texts in Chinese when its translations are installed; English, and no word about
// it, when they are not.
#include "ledger/app/qttranslations.h"

#include <QCalendarWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace ledger;

class TestQtTranslations : public QObject {
    Q_OBJECT
private slots:
    void chineseWhenInstalledSilentlyEnglishOtherwise() {
        QTest::failOnWarning(QRegularExpression(".*"));
        QTemporaryDir empty;
        QVERIFY(!installQtTranslations(empty.path()));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Cancel"));

        QVERIFY2(installQtTranslations(qtTranslationsFolder()),
                 "Qt's Chinese translations are missing (Debian: qt6-translations-l10n)");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("取消"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QString("查找范围："));
        QCalendarWidget calendar;
        QCOMPARE(calendar.locale().monthName(1), QString("一月"));
    }
};

QTEST_MAIN(TestQtTranslations)
#include "tst_qttranslations.moc"

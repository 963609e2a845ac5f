// Writes and copies that replace a file whole or not at all, also on a full disk.
#include "common/atomicwrite.h"
#include "support/ledger/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using ledger::test::readFile;
using ledger::test::writeFile;

class TestAtomicWrite : public QObject {
    Q_OBJECT
private slots:
    // A write or copy cut short by a full disk fails and leaves the file as it was, with nothing
    // else in its folder; a whole copy replaces it.
    void fullDiskLeavesTheFile() {
        QTemporaryDir dir;
        const QString source = dir.filePath("source"), target = dir.filePath("target");
        const QByteArray bytes(3 * 4096, 'x');
        QVERIFY(writeFile(source, bytes) && writeFile(target, "old"));
        QString error;
        {
            ledger::test::FileSizeLimit limit(4096);
            QVERIFY(limit.ok());
            QVERIFY(!common::writeFileAtomically(target, bytes));
            QVERIFY(!common::copyFileAtomically(source, target, {}, &error));
        }
        QVERIFY2(error.contains(target), qPrintable(error));
        QCOMPARE(readFile(target), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"source", "target"}));
        QVERIFY(common::copyFileAtomically(source, target));
        QCOMPARE(readFile(target), bytes);
    }
};

QTEST_GUILESS_MAIN(TestAtomicWrite)
#include "tst_atomicwrite.moc"

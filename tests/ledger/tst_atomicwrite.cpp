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
    // A whole copy replaces the destination; one cut short by a full disk leaves it as it was.
    // Either way nothing else is left in the folder.
    void copyReplacesWholeOrNotAtAll() {
        QTemporaryDir dir;
        const QString source = dir.filePath("source"), destination = dir.filePath("destination");
        const QByteArray bytes(3 * 4096, 'x');
        QVERIFY(writeFile(source, bytes) && writeFile(destination, "old"));
        qint64 lastDone = 0;
        const auto progress = [&](qint64 done, qint64 size) {
            QCOMPARE(size, bytes.size());
            lastDone = done;
        };
        QVERIFY(common::copyFileAtomically(source, destination, progress));
        QCOMPARE(lastDone, bytes.size());
        QCOMPARE(readFile(destination), bytes);
        QVERIFY(writeFile(destination, "old"));
        QString error;
        {
            ledger::test::FileSizeLimit limit(4096);
            QVERIFY(limit.ok());
            QVERIFY(!common::copyFileAtomically(source, destination, {}, &error));
        }
        QVERIFY2(error.contains(destination), qPrintable(error));
        QCOMPARE(readFile(destination), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"destination", "source"}));
    }

    // A write cut short by a full disk is a failure and leaves the file as it was.
    void fullDiskWriteFails() {
        QTemporaryDir dir;
        const QString path = dir.filePath("file");
        QVERIFY(writeFile(path, "old"));
        {
            ledger::test::FileSizeLimit limit(4096);
            QVERIFY(limit.ok());
            QVERIFY(!common::writeFileAtomically(path, QByteArray(3 * 4096, 'x')));
        }
        QCOMPARE(readFile(path), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"file"});
    }
};

QTEST_GUILESS_MAIN(TestAtomicWrite)
#include "tst_atomicwrite.moc"

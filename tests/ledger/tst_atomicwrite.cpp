// Writes and copies that replace a file whole or not at all, also on a full disk.
#include "common/atomicwrite.h"
#include "support/ledger/testfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <cstring>

using ledger::test::readFile;
using ledger::test::writeFile;

class TestAtomicWrite : public QObject {
    Q_OBJECT
private slots:
    // A write or copy cut short by a full disk fails and leaves the file as it was, with nothing
    // else in its folder, naming the file and the cause; a whole copy replaces it.
    void fullDiskLeavesTheFile() {
        QTemporaryDir dir;
        const QString source = dir.filePath("source"), target = dir.filePath("target");
        const QByteArray bytes(3 * 4096, 'x');
        QVERIFY(writeFile(source, bytes) && writeFile(target, "old"));
        QString writeError, copyError;
        {
            ledger::test::FileSizeLimit limit(4096);
            QVERIFY(limit.ok());
            QVERIFY(!common::writeFileAtomically(target, bytes, &writeError));
            QVERIFY(!common::copyFileAtomically(source, target, {}, &copyError));
        }
        for (const QString &error : {writeError, copyError})
            QVERIFY2(error.contains(target) && error.endsWith(std::strerror(EFBIG)),
                     qPrintable(error));
        QCOMPARE(readFile(target), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"source", "target"}));
        QVERIFY(common::copyFileAtomically(source, target));
        QCOMPARE(readFile(target), bytes);
    }

    // A write that cannot create its file or take the name leaves nothing new; one that
    // replaces a file keeps its permissions, and a link's target is what it replaces.
    void writeReplacesWholeFiles() {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!common::writeFileAtomically(dir.filePath("none/target"), "x", &error));
        QVERIFY2(error.contains(dir.filePath("none/target")), qPrintable(error));
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        QVERIFY(!common::writeFileAtomically(dir.filePath("folder"), "x", &error));
        QVERIFY2(error.startsWith("cannot rename"), qPrintable(error));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"folder"});

        const QString file = dir.filePath("file"), link = dir.filePath("link");
        QVERIFY(writeFile(file, "old") && QFile::link(file, link));
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner));
        const QFile::Permissions kept = QFile::permissions(file);
        QVERIFY(common::writeFileAtomically(link, "new"));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readFile(file), QByteArray("new"));
        QCOMPARE(QFile::permissions(file), kept);
    }
};

QTEST_GUILESS_MAIN(TestAtomicWrite)
#include "tst_atomicwrite.moc"

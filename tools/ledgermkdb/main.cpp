// Makes the keyed ledger template from the schema, with the starting choice lists:
// ledgermkdb <output file>. The database is made beside the output file and renamed over it
// once complete, so the output is the old file or the whole new one.
#include "ledger/app/paths.h"
#include "ledger/data/db.h"
#include "ledger/data/schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <filesystem>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: ledgermkdb <output file>\n");
        return 2;
    }
    const QString output = QFileInfo(args.at(1)).absoluteFilePath();
    const QString partial = output + QStringLiteral(".part");
    QDir().mkpath(QFileInfo(output).absolutePath());
    QFile::remove(partial);
    {
        ledger::Db db;
        QString error;
        if (!db.create(partial, QByteArray(ledger::kDatabaseKey), &error)) {
            std::fprintf(stderr, "ledgermkdb: %s\n", qPrintable(error));
            return 1;
        }
        try {
            ledger::createSchema(db);
            ledger::createStarterLists(db);
        } catch (const ledger::DbError &e) {
            std::fprintf(stderr, "ledgermkdb: %s\n", e.what());
            db.close();
            QFile::remove(partial);
            return 1;
        }
    }
    std::error_code error;
    std::filesystem::rename(partial.toStdU16String(), output.toStdU16String(), error);
    if (error) {
        std::fprintf(stderr, "ledgermkdb: cannot write %s: %s\n", qPrintable(output),
                     error.message().c_str());
        QFile::remove(partial);
        return 1;
    }
    return 0;
}

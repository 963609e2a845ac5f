// Makes the keyed ledger template from the schema, with the starting choice lists:
// ledgermkdb <output file>.
// An existing output file is replaced only once the new one is complete.
#include "ledger/app/paths.h"
#include "ledger/data/db.h"
#include "ledger/data/schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

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
    if ((QFileInfo::exists(output) && !QFile::remove(output)) || !QFile::rename(partial, output)) {
        std::fprintf(stderr, "ledgermkdb: cannot write %s\n", qPrintable(output));
        QFile::remove(partial);
        return 1;
    }
    return 0;
}

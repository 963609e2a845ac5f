#include "ledger/data/schema.h"

#include "ledger/data/db.h"

#include <QFile>

// The resource lives in a static library: make sure it is registered before first use.
static void initSchemaResource() {
    Q_INIT_RESOURCE(schema);
}

namespace ledger {

namespace {

QString resourceText(const QString &name) {
    initSchemaResource();
    QFile file(QStringLiteral(":/ledger/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void runScript(Db &db, const QString &name) {
    const QString script = resourceText(name);
    if (script.isEmpty())
        throw DbError(name + QStringLiteral(" missing from resources"),
                      DbError::Code::MissingSchema);
    Transaction transaction(db);
    db.execScript(script);
    transaction.commit();
}

} // namespace

QString schemaScript() {
    return resourceText(QStringLiteral("schema.sql"));
}

void createSchema(Db &db) {
    runScript(db, QStringLiteral("schema.sql"));
}

void createStarterLists(Db &db) {
    runScript(db, QStringLiteral("starterlists.sql"));
}

} // namespace ledger

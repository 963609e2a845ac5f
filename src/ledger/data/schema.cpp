#include "ledger/data/schema.h"

#include "ledger/data/db.h"

#include <QFile>

// The resource lives in a static library: make sure it is registered before first use.
static void initSchemaResource() {
    Q_INIT_RESOURCE(schema);
}

namespace ledger {

QString schemaScript() {
    initSchemaResource();
    QFile file(QStringLiteral(":/ledger/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void createSchema(Db &db) {
    const QString script = schemaScript();
    if (script.isEmpty())
        throw DbError(QStringLiteral("schema script missing from resources"),
                      DbError::Code::MissingSchema);
    Transaction transaction(db);
    db.execScript(script);
    transaction.commit();
}

} // namespace ledger

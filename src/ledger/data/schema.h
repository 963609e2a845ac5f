#pragma once

#include <QString>

namespace ledger {

class Db;

// The ledger's table definitions (the embedded schema script).
QString schemaScript();
// Creates every table and index of the ledger in one transaction. Throws DbError.
void createSchema(Db &db);

} // namespace ledger

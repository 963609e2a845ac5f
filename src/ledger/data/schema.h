#pragma once

#include <QString>

namespace ledger {

class Db;

// The ledger's table definitions (the embedded schema script).
QString schemaScript();
// Creates every table and index of the ledger in one transaction. Throws DbError.
void createSchema(Db &db);
// Fills the choice lists of a new ledger's template with their starting entries. Throws DbError.
void createStarterLists(Db &db);

} // namespace ledger

#pragma once

#include <QString>

namespace db {

class Transaction;

// Runs one statement exactly as written, with no parameter scan: what DDL scripts need,
// whose procedure bodies use :name for their own variables.
void executeImmediate(Transaction& transaction, const QString& sql);

} // namespace db

#pragma once

#include <QString>
#include <QStringList>

namespace schema {

// A new, empty sample accounting database at path, built from the scripts of
// schema/accounting in the order of their names: the tables and procedures that the
// returns read from a taxpayer's accounting. Fails when the file exists.
void createAccountingDatabase(const QString& path, const QStringList& params);

} // namespace schema

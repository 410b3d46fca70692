#pragma once

#include <QString>

namespace db {
class DataSet;
}

namespace framework {

// The SELECT text with its last ORDER BY (and every line after it) cut off and, when
// an order is given, the line "ORDER BY " + order appended.
QString withOrderBy(const QString& select, const QString& order);

// Re-orders the dataset on the database side: an empty order leaves the rows in the
// table's natural order. The parameters live in the dataset and keep their values; an
// open dataset is open again, at its first row; a closed one stays closed.
void OrdenaPor(db::DataSet& dataSet, const QString& orden);

} // namespace framework

#pragma once

#include <QStringList>

namespace db {
class DataSet;
}

namespace boxes {

// The sum of the current record's boxes, a null one counting 0.
double sum(db::DataSet& dataSet, const QStringList& names);

} // namespace boxes

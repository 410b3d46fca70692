#include "returns/Boxes.h"

#include "db/DataSet.h"

namespace boxes {

double sum(db::DataSet& dataSet, const QStringList& names) {
    double total = 0;
    for (const QString& name : names)
        total += dataSet.field(name).asFloat();
    return total;
}

} // namespace boxes

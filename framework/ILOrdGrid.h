#pragma once

#include <QList>
#include <QPixmap>

namespace framework {

// The images of the ordered grids, in the order their default indices expect:
// sortable but not sorted, sorted ascending, sorted descending, ticked check.
QList<QPixmap> ILOrdGrid();

} // namespace framework

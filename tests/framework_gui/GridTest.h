#pragma once

#include "QtPrinters.h"
#include "TDMPrueba.h"
#include "TestMain.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QStringList>
#include <QTableView>
#include <QTest>

// What the user does to a grid, and what it shows.
namespace gridtest {

inline void clickTitle(QTableView& grid, int column) {
    QHeaderView* header = grid.horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

inline void clickCell(QTableView& grid, int row, int column) {
    const QRect cell = grid.visualRect(grid.model()->index(row, column));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
}

// The texts of one column, top to bottom.
inline QStringList column(const QAbstractItemModel& model, int column = 0) {
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.data(model.index(row, column)).toString();
    return texts;
}

} // namespace gridtest

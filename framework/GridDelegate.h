#pragma once

#include <QStyledItemDelegate>

namespace framework {
class OrderedGrid;

// Draws the cells of an ordered grid: a check-box column shows a small square, filled
// or carrying the ticked image when the field holds the ticked value, instead of text.
class GridDelegate : public QStyledItemDelegate {
public:
    GridDelegate(const OrderedGrid& grid, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const OrderedGrid& grid_;
};

} // namespace framework

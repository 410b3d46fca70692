#pragma once

#include <QHeaderView>

namespace framework {
class OrderedGrid;

// The titles of an ordered grid: a sortable title carries its image at the right,
// and its text keeps clear of it.
class GridHeader : public QHeaderView {
public:
    explicit GridHeader(OrderedGrid& grid);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;

private:
    const OrderedGrid& grid_;
};

} // namespace framework

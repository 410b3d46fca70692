#include "framework/GridHeader.h"

#include "framework/OrderedGrid.h"

#include <QPainter>
#include <QStyleOptionHeader>

namespace framework {
namespace {

constexpr int kMargin = 4;

} // namespace

GridHeader::GridHeader(OrderedGrid& grid) : QHeaderView(Qt::Horizontal, &grid), grid_(grid) {
    setSectionsClickable(true);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Interactive);
}

void GridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    const QPixmap image = grid_.titleImage(logicalIndex);
    if (image.isNull()) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    const QSize size = image.deviceIndependentSize().toSize();
    QStyleOptionHeader option;
    initStyleOption(&option);
    initStyleOptionForIndex(&option, logicalIndex);
    option.rect = rect;
    painter->save();
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
    QStyleOptionHeader label = option;
    label.rect = style()
                     ->subElementRect(QStyle::SE_HeaderLabel, &option, this)
                     .adjusted(0, 0, -(size.width() + kMargin), 0);
    style()->drawControl(QStyle::CE_HeaderLabel, &label, painter, this);
    painter->drawPixmap(rect.right() - kMargin - size.width() + 1,
                        rect.top() + (rect.height() - size.height()) / 2, image);
    painter->restore();
}

QSize GridHeader::sectionSizeFromContents(int logicalIndex) const {
    QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
    const QPixmap image = grid_.titleImage(logicalIndex);
    if (!image.isNull())
        size.rwidth() += int(image.deviceIndependentSize().width()) + kMargin;
    return size;
}

} // namespace framework

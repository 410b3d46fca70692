#include "framework/GridDelegate.h"

#include "framework/OrderedGrid.h"

#include <QApplication>
#include <QPainter>

namespace framework {
namespace {

constexpr int kBox = 10;
const QColor kSilver(0xc0, 0xc0, 0xc0);

} // namespace

GridDelegate::GridDelegate(const OrderedGrid& grid, QObject* parent)
    : QStyledItemDelegate(parent), grid_(grid) {}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    const OrderedGrid::Check check = grid_.check(index);
    if (check == OrderedGrid::Check::NotACheck) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    cell.text.clear();
    const QWidget* widget = cell.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);

    const bool ticked = check == OrderedGrid::Check::Ticked;
    const QPixmap image = ticked ? grid_.checkImage() : QPixmap();
    const QRect box(cell.rect.left() + 3, cell.rect.center().y() - kBox / 2 + 1, kBox, kBox);
    painter->save();
    painter->setPen(cell.palette.color(QPalette::WindowText));
    painter->setBrush(ticked && image.isNull() ? kSilver : cell.palette.color(QPalette::Base));
    painter->drawRect(box.adjusted(0, 0, -1, -1));
    // The image goes over the square, so that the square does not hide it.
    if (!image.isNull()) {
        const QSize size = image.deviceIndependentSize().toSize();
        painter->drawPixmap(
            box.center() - QPoint(size.width() / 2, size.height() / 2) + QPoint(1, 1), image);
    }
    painter->restore();
}

} // namespace framework

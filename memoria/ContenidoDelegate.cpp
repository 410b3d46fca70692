#include "memoria/ContenidoDelegate.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

ContenidoDelegate::ContenidoDelegate(const framework::OrderedGrid& grid, std::function<void()> abre,
                                     QObject* parent)
    : framework::GridDelegate(grid, parent), abre_(std::move(abre)) {}

QRect ContenidoDelegate::boton(const QRect& celda) {
    const int ancho = qMin(celda.height() + 4, celda.width());
    return {celda.right() - ancho + 1, celda.top(), ancho, celda.height()};
}

void ContenidoDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    QStyleOptionViewItem celda(option);
    initStyleOption(&celda, index);
    // The stored RTF means nothing to a reader; only whether the chapter has a text.
    celda.text =
        index.data(Qt::DisplayRole).toString().isEmpty() ? QString() : QStringLiteral("(texto)");
    const QWidget* widget = celda.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &celda, painter, widget);

    QStyleOptionButton puntos;
    puntos.rect = boton(option.rect);
    puntos.text = QStringLiteral("...");
    puntos.state = QStyle::State_Enabled | QStyle::State_Raised;
    style->drawControl(QStyle::CE_PushButton, &puntos, painter, widget);
}

QWidget* ContenidoDelegate::createEditor(QWidget*, const QStyleOptionViewItem&,
                                         const QModelIndex&) const {
    return nullptr;
}

bool ContenidoDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                    const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() == QEvent::MouseButtonRelease &&
        boton(option.rect).contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        abre_();
        return true;
    }
    return framework::GridDelegate::editorEvent(event, model, option, index);
}

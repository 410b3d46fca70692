#pragma once

#include "framework/GridDelegate.h"

#include <functional>

// The "Contenido" cell of a chapter: whether it has a text, and the ellipsis button that
// opens it in the editor. The cell itself is never typed in.
class ContenidoDelegate : public framework::GridDelegate {
public:
    ContenidoDelegate(const framework::OrderedGrid& grid, std::function<void()> abre,
                      QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    static QRect boton(const QRect& celda);

    std::function<void()> abre_;
};

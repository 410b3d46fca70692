#include "app/TiledBackground.h"

#include <QPainter>

TiledBackground::TiledBackground(const QPixmap& tile, QWidget* parent)
    : QWidget(parent), tile_(tile) {
    setObjectName(QStringLiteral("IFondo"));
}

void TiledBackground::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), tile_);
}

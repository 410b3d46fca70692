#include "framework/ILOrdGrid.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include <functional>

namespace framework {
namespace {

constexpr int kSize = 12;

QPainterPath triangle(bool up, double top, double bottom) {
    QPainterPath p;
    const double tipY = up ? top : bottom;
    const double baseY = up ? bottom : top;
    p.moveTo(2, baseY);
    p.lineTo(kSize - 2, baseY);
    p.lineTo(kSize / 2.0, tipY);
    p.closeSubpath();
    return p;
}

QPixmap image(const std::function<void(QPainter&)>& draw) {
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap pixmap(QSize(kSize, kSize) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter g(&pixmap);
    g.setRenderHint(QPainter::Antialiasing);
    draw(g);
    return pixmap;
}

} // namespace

QList<QPixmap> ILOrdGrid() {
    const QColor ink = QGuiApplication::palette().color(QPalette::WindowText);
    const QColor faint = QGuiApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
    const auto filled = [](QPainter& g, const QColor& color, const QPainterPath& path) {
        g.setPen(Qt::NoPen);
        g.setBrush(color);
        g.drawPath(path);
    };
    return {
        image([&](QPainter& g) { // sortable: both directions, faint
            filled(g, faint, triangle(true, 1, 5));
            filled(g, faint, triangle(false, 7, 11));
        }),
        image([&](QPainter& g) { filled(g, ink, triangle(true, 3, 9)); }),
        image([&](QPainter& g) { filled(g, ink, triangle(false, 3, 9)); }),
        image([&](QPainter& g) { // a tick
            g.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            g.drawPolyline(QPolygonF({{2.5, 6.5}, {5, 9}, {9.5, 3}}));
        }),
    };
}

} // namespace framework

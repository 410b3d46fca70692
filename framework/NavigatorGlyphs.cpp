#include "framework/NavigatorGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSize = 32; // drawn large, shown at 16 or 20 pixels

QPainterPath triangle(double tipX, double baseX) {
    QPainterPath p;
    p.moveTo(baseX, 7);
    p.lineTo(tipX, 16);
    p.lineTo(baseX, 25);
    p.closeSubpath();
    return p;
}

void draw(QPainter& g, int button) {
    const QColor ink(0x1f, 0x4e, 0x8c);
    g.setPen(Qt::NoPen);
    g.setBrush(ink);
    const QPen line(ink, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (button) {
    case 0: // first
        g.drawRect(7, 7, 4, 18);
        g.drawPath(triangle(12, 24));
        break;
    case 1: // prior
        g.drawPath(triangle(9, 22));
        break;
    case 2: // next
        g.drawPath(triangle(23, 10));
        break;
    case 3: // last
        g.drawPath(triangle(20, 8));
        g.drawRect(21, 7, 4, 18);
        break;
    case 4: // new
        g.drawRect(14, 6, 4, 20);
        g.drawRect(6, 14, 20, 4);
        break;
    case 5: // delete
        g.drawRect(6, 14, 20, 4);
        break;
    case 6: { // edit: a pencil
        g.setPen(line);
        g.drawLine(9, 23, 23, 9);
        g.setPen(Qt::NoPen);
        QPainterPath tip;
        tip.moveTo(6, 26);
        tip.lineTo(8, 19);
        tip.lineTo(13, 24);
        tip.closeSubpath();
        g.drawPath(tip);
        break;
    }
    case 7: // save: a tick
        g.setPen(line);
        g.drawPolyline(QPolygon({QPoint(7, 17), QPoint(13, 23), QPoint(25, 9)}));
        break;
    case 8: // cancel: a cross
        g.setPen(line);
        g.drawLine(9, 9, 23, 23);
        g.drawLine(23, 9, 9, 23);
        break;
    default: { // refresh: a circling arrow
        g.setPen(line);
        g.setBrush(Qt::NoBrush);
        g.drawArc(QRect(8, 8, 16, 16), 90 * 16, 270 * 16);
        g.setPen(Qt::NoPen);
        g.setBrush(ink);
        QPainterPath head;
        head.moveTo(15, 3);
        head.lineTo(22, 8);
        head.lineTo(15, 13);
        head.closeSubpath();
        g.drawPath(head);
        break;
    }
    }
}

} // namespace

QIcon navigatorGlyph(int button) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter g(&pixmap);
    g.setRenderHint(QPainter::Antialiasing);
    draw(g, button);
    g.end();
    return QIcon(pixmap);
}

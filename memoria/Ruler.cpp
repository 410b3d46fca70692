#include "memoria/Ruler.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// Points to pixels on the screen the chapters are written for.
constexpr double kFactor = 4.0 / 3.0;
constexpr int kAncho = 8;

} // namespace

Ruler::Ruler(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Ruler"));
    setFixedHeight(26);
    posiciones_[Derecha] = width() - 6;
}

void Ruler::muestra(double primera, double izquierda, double derecha) {
    sangrias_[Primera] = primera;
    sangrias_[Izquierda] = izquierda;
    sangrias_[Derecha] = derecha;
    posiciones_[Primera] = int(primera * kFactor) + 2;
    posiciones_[Izquierda] = int((izquierda + primera) * kFactor) + 2;
    posiciones_[Derecha] = width() - int((derecha + 6) * kFactor) - 6;
    update();
}

QRect Ruler::rectangulo(Marca marca) const {
    const int y = marca == Primera ? 0 : height() - 10;
    return {posiciones_[marca], y, kAncho, 10};
}

void Ruler::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.setPen(palette().color(QPalette::WindowText));
    for (int x = 6; x < width(); x += int(36 * kFactor))
        p.drawLine(x, height() / 2 - 3, x, height() / 2 + 3);
    p.drawLine(0, height() - 1, width(), height() - 1);
    p.setBrush(palette().color(QPalette::Highlight));
    for (Marca m : {Primera, Izquierda, Derecha})
        p.drawRect(rectangulo(m));
}

void Ruler::mousePressEvent(QMouseEvent* event) {
    for (Marca m : {Primera, Izquierda, Derecha})
        if (rectangulo(m).contains(event->position().toPoint())) {
            arrastrando_ = m;
            desplazamiento_ = kAncho / 2;
            return;
        }
}

void Ruler::mouseMoveEvent(QMouseEvent* event) {
    if (arrastrando_ == Ninguna)
        return;
    posiciones_[arrastrando_] = int(event->position().x()) - desplazamiento_;
    update();
}

// Where a marker is let go gives its indent; the others keep theirs.
void Ruler::mouseReleaseEvent(QMouseEvent*) {
    if (arrastrando_ == Ninguna)
        return;
    const double primera = arrastrando_ == Primera
                               ? int((posiciones_[Primera] + desplazamiento_ - 6) / kFactor)
                               : sangrias_[Primera];
    const double izquierda =
        int((posiciones_[Izquierda] + desplazamiento_ - 6) / kFactor) - primera;
    const double derecha =
        int((width() + desplazamiento_ - posiciones_[Derecha] - 2) / kFactor) - 12;
    arrastrando_ = Ninguna;
    emit sangrias(primera, izquierda, derecha);
}

// The right marker keeps its distance from the right edge.
void Ruler::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    muestra(sangrias_[Primera], sangrias_[Izquierda], sangrias_[Derecha]);
}

#pragma once

#include <QWidget>

// The ruler over the chapter editor: tick marks and three markers, the first-line indent,
// the left indent and the right indent of the paragraph at the caret, in points. Dragging a
// marker and letting it go sets the indent it stands for.
class Ruler : public QWidget {
    Q_OBJECT
public:
    explicit Ruler(QWidget* parent = nullptr);

    // The markers where the paragraph's indents put them.
    void muestra(double primera, double izquierda, double derecha);

signals:
    void sangrias(double primera, double izquierda, double derecha);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum Marca { Primera, Izquierda, Derecha, Ninguna };
    QRect rectangulo(Marca marca) const;

    int posiciones_[3] = {2, 2, 0};
    Marca arrastrando_ = Ninguna;
    int desplazamiento_ = 0;         // half the marker's width
    double sangrias_[3] = {0, 0, 0}; // first line, left, right, in points
};

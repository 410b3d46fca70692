#pragma once

#include <QPixmap>
#include <QWidget>

// The main window's client area, with its picture tiled from the top-left corner.
class TiledBackground : public QWidget {
    Q_OBJECT
public:
    explicit TiledBackground(const QPixmap& tile, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap tile_;
};

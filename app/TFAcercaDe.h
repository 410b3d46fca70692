#pragma once

#include <QDialog>
#include <QPixmap>

// The about box, with the name of the database this workstation works on.
class TFAcercaDe : public QDialog {
    Q_OBJECT
public:
    explicit TFAcercaDe(const QString& databaseName, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap background_;
};

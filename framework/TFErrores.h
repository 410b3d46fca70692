#pragma once

#include <QDialog>

// The error list left by the agency's validation tools.
class TFErrores : public QDialog {
    Q_OBJECT
public:
    explicit TFErrores(const QString& text, QWidget* parent = nullptr);
};

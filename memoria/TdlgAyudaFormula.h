#pragma once

#include <QDialog>

class QPlainTextEdit;

// "Formulación de la sintáxis": how a formula's expression is written, opened with F1 from
// the expression box.
class TdlgAyudaFormula : public QDialog {
    Q_OBJECT
public:
    explicit TdlgAyudaFormula(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1;
};

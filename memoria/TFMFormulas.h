#pragma once

#include <QDialog>

class DBEdit;
class QTabWidget;
class TDBGridOrder;
class TDBNavigatorVC;
class TDMMemorias;

// "Formulas": the formulas of the chapter open in the editor, kept with their navigator;
// "Pasar formula al capítulo" closes it with the current formula chosen.
class TFMFormulas : public QDialog {
    Q_OBJECT
public:
    TFMFormulas(TDMMemorias& dm, QWidget* parent = nullptr);

    TDBNavigatorVC* NavFormulas;
    QTabWidget* PageControl1;
    DBEdit* ESintaxis;
    TDBGridOrder* DBGFormulas;

    // What is being typed is kept before the window closes, whichever way.
    void accept() override;
    void reject() override;

private:
    bool grabaPendiente();

    TDMMemorias& dm_;
};

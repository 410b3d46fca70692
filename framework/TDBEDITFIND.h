#pragma once

#include "framework/DBEdit.h"
#include "framework/Lookup.h"

#include <QPointer>

#include <functional>

// An edit for a code kept in another table: F2 opens the search dialog on that table,
// and the companion edit shows the description of the code typed.
class TDBEDITFIND : public DBEdit {
    Q_OBJECT
public:
    TDBEDITFIND(db::DataSet& dataSet, const QString& fieldName, framework::Prompts& prompts,
                Lookup lookup, QWidget* parent = nullptr);

    // The companion edit: read-only, out of the tab order, shaded.
    void setLookUpEdit(QLineEdit* edit);
    bool BuscaValor();
    void MuestraDescripcion();

    Lookup lookup;
    int Tecla_activacion = Qt::Key_F2;
    std::function<void()> OnBusqueda;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointer<QLineEdit> LookUpEdit;
};

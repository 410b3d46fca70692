#pragma once

#include "framework/Lookup.h"

#include <QLineEdit>
#include <QPointer>

#include <functional>

namespace framework {
class Prompts;
}

// A plain edit for a code kept in another table, for the dialogs that ask for a
// taxpayer or a memoria: F2 searches, Enter moves on, the companion edit describes.
class TEditFind : public QLineEdit {
    Q_OBJECT
public:
    TEditFind(db::Database& database, db::Transaction& transaction, framework::Prompts& prompts,
              Lookup lookup, QWidget* parent = nullptr);

    void setLookUpEdit(QLineEdit* edit);
    bool BuscaValor();
    void MuestraDescripcion();

    Lookup lookup;
    int Tecla_activacion = Qt::Key_F2;
    std::function<void()> OnBusqueda;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    db::Database& database_;
    db::Transaction& transaction_;
    framework::Prompts& prompts_;
    QPointer<QLineEdit> LookUpEdit;
};

#pragma once

#include "framework/TFMBase.h"

class DBEdit;
class QFormLayout;
class QLineEdit;
class TDBEDITFIND;
class TDMContribuyentes;

// The register of taxpayers: identification, address, payment and bank data, and the
// accounting database each one's figures come from.
class TFMContribuyentes : public TFMBase {
    Q_OBJECT
public:
    explicit TFMContribuyentes(FormManager& manager);

    TDMContribuyentes& dm() const;

    DBEdit* EContribuyente;
    TDBEDITFIND* EAdministracion;
    QLineEdit* EAdministracionTitulo;

private:
    DBEdit* edit(QFormLayout* form, const QString& caption, const QString& field,
                 const QString& allowed = {});
    void buttonFicheroClick(DBEdit* fichero);
};

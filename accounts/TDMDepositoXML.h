#pragma once

#include "db/DataSet.h"
#include "db/Transaction.h"

#include <QString>

class TDMMain;

// The annual accounts of a taxpayer handed to the registry's deposit program (D2): one
// document of keys and values, "Deposito.Xml", in the taxpayer's folder of D2's working
// directory.
class TDMDepositoXML {
public:
    explicit TDMDepositoXML(TDMMain& main);

    // Writes the taxpayer's deposit file; true when it was written. An earlier file is
    // replaced only when the user agrees, or when `reemplaza` says so.
    bool GeneraDeposito(int empresa, bool reemplaza = false);
    // The whole document of the taxpayer whose identification is open.
    QString Documento();
    // The deposit folder of the open identification.
    QString carpeta() const;

    TDMMain& DMMain;
    db::Transaction transaccion;
    db::DataSet qIdentificacion;
    db::DataSet qBalance;
    db::DataSet qPyG;
    db::DataSet qSolicitud;
    db::DataSet qAdministrador;

private:
    void abre(int empresa);
    void ClavesIdentificacion(class DepositKeys& claves);
    void ClavesImportes(DepositKeys& claves, db::DataSet& cuentas);
    void ClavesSolicitud(DepositKeys& claves);
    void ClavesPatrimonio(DepositKeys& claves);
};

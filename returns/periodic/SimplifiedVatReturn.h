#pragma once

#include "returns/periodic/PeriodicReturn.h"

// What models 310 and 311 of the simplified VAT regime share: every figure typed, the
// print file of one record for the agency's printing tool, the signature dated the day the
// record starts, the taxpayer's payment details, and the declaration type character.
class SimplifiedVatReturn : public PeriodicReturn {
protected:
    // `formaPago`: the field of the form of payment ("C402" in 310, "C701" in 311).
    SimplifiedVatReturn(TDMMain& main, const Model& model, QString formaPago);

    void QMaestroNewRecord() override;
    void DatosContribuyente() override;
    QString Regla(const QString& nombre) override;

    // The taxpayer's account, as the taxpayer defaults read it.
    const QString& cuentaContribuyente() const { return ccc_; }

private:
    QString tipoDeclaracion();

    QString formaPago_;
    QString ccc_;
};

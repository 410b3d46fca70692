#pragma once

#include "returns/periodic/PeriodicReturn.h"

#include <optional>
#include <utility>

// Model 303: the periodic VAT self-assessment, quarterly or monthly. Beside the return,
// the fourth quarter's information for those exempt from the annual summary: at most one
// row, for "4T" only, with its own navigator.
class TDMM300 : public PeriodicReturn {
public:
    static const Model kModelo;

    explicit TDMM300(TDMMain& main);

    db::DataSet QDetalle4T;
    db::DataSet& DSQDetalle4t = QDetalle4T; // forms bind to it
    const ComputedBoxes& calculadas4T() const { return calculadas4T_; }

protected:
    void QMaestroNewRecord() override;
    void DatosContribuyente() override;
    void AsignaCasillas() override;
    QString Regla(const QString& nombre) override;

private:
    // The declaration type follows the result: to pay with the taxpayer's account, or to
    // carry forward without one.
    void QMaestroC371Change();
    void QMaestroC801Change();
    void QDetalle4TBeforeInsert();
    void QDetalle4TNewRecord();
    // The title of an activity ("AP", "IAE1".."IAE5") from its key and heading.
    void titulo(const QString& actividad);
    // The taxpayer's account, read once per taxpayer: a stored record's result may change
    // before anything has read it.
    QString ibanContribuyente();
    QString actividad(const QString& actividad);
    QString ultimoPeriodo();

    ComputedBoxes calculadas4T_;
    std::optional<std::pair<int, QString>> iban_; // taxpayer and account
};

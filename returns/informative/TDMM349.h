#pragma once

#include "returns/informative/InformativeReturn.h"

// Model 349, the recapitulative statement of intra-community operations: one return per
// taxpayer and period (a month, a quarter or the year), its operations with counterparts in
// other member states and its corrections of earlier periods; captured from the books and
// written as a file of 500-character records beside its cover file, left in the working
// folder for the agency's own validation program.
class TDMM349 : public InformativeReturn {
public:
    // The declarant's record, an operation's, a correction's.
    static const layout::Table kRegistros[3];

    explicit TDMM349(TDMMain& main);

    db::DataSet QOperaciones;
    db::DataSet QRectificaciones;

    // The taxpayer's return of the period, made (with the taxpayer's contact person,
    // signatory and position) when it has none; left in edit.
    void FijaDeclaracion(int declarante, const QString& periodo);
    // The operations of the period in the taxpayer's books, each added to the one of the
    // same country, number and key or recorded as a new one. False when there was nothing
    // to capture (the user told).
    bool CapturaContabilidad() override;
    // "mod349.txt" and "caratula.txt" written in the working folder; the user told.
    bool GeneraFichero() override;
    // The taxpayer's return of the period filed without a window.
    static bool Archiva(TDMMain& main, int contribuyente, const QString& periodo, bool captura);

private:
    const layout::Table& registroDeclarante() const override { return kRegistros[0]; }
    std::vector<Lista> listas() override;
    QString regla(db::DataSet& fila, const QString& nombre) override;
};

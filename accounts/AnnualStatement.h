#pragma once

#include "accounts/StatementLine.h"
#include "framework/TDMBase.h"
#include "returns/ComputedBoxes.h"

#include <QList>

#include <vector>

// A statement of the annual accounts (balance sheet, profit and loss): one row per taxpayer
// with every line of exercise 2017 and of 2016; lines captured from the taxpayer's
// accounting database by summing account balances, totals that follow their components, and
// lines typed by hand. The statement's table of lines says everything else.
class AnnualStatement : public TDMBase {
public:
    static constexpr int kEjercicio = 2017;
    static constexpr int kEjercicioAnterior = 2016;

    AnnualStatement(TDMMain& main, const accounts::Statement& statement);

    const accounts::Statement& statement() const { return statement_; }
    const ComputedBoxes& totales() const { return totales_; }

    // The statement of that taxpayer; nothing happens when it is the one shown.
    void FijaEmpresa(int empresa);
    int empresa() const { return empresa_; }
    // True when the taxpayer's row exists.
    bool BuscaRegistro();
    // Fills both exercises from the accounting database; false when nothing was captured
    // (no row, or no accounting database).
    bool CapturaContabilidad();
    // The signed sum of the balances of the account groups (a group of 0 or below is
    // subtracted), over the accounting periods given, of exercise 2017 or 2016. The
    // accounting database must be open.
    double SaldoCuentas(const QList<int>& cuentas, int inicio, int fin);
    double SaldoCuentasAnterior(const QList<int>& cuentas, int inicio, int fin);

protected:
    // The profit and loss capture starts the row itself; the balance sheet's needs one.
    virtual bool capturaCreaFila() const { return false; }

private:
    db::Field& campo(const QString& name) { return QMaestro.field(name); }
    double saldo(int ejercicio, const QList<int>& cuentas, int inicio, int fin);
    void CalculaEjercicio(int ejercicio);
    double valor(const accounts::Line& line, int ejercicio);

    const accounts::Statement& statement_;
    std::vector<ComputedBox> reglas_; // before totales_, which keeps pointers into it
    ComputedBoxes totales_;
    db::Statement QCampo;
    int empresa_ = 0;
};

#pragma once

#include "db/Statement.h"
#include "framework/TDMBase.h"

#include <QString>

#include <functional>
#include <optional>

// Memoria models: numbered chapters of rich text, each with numbered formulas over the
// account balances of exercise 2017 and over earlier formulas of the chapter. Calculating a
// chapter or a memoria for a taxpayer stores every formula's amount, which the chapters show
// through their placeholders "[Formula 007]".
class TDMMemorias : public TDMBase {
public:
    static constexpr int kEjercicio = 2017;

    explicit TDMMemorias(TDMMain& main);

    db::DataSet QCapitulos;
    db::DataSet QFormulas;
    db::Statement QCampo;
    db::Statement QImporte;

    // The taxpayer whose books the calculations read.
    void setContribuyente(int contribuyente) { contribuyente_ = contribuyente; }
    int contribuyente() const { return contribuyente_; }

    // What asks the user for a manual formula's amount: the stored amount in, nothing back
    // on Cancel. Without it the stored amount is kept.
    using PideImporte = std::function<std::optional<double>(double guardado)>;
    void setPideImporte(PideImporte pide) { pideImporte_ = std::move(pide); }

    // The value of the formula on the current row of QFormulas.
    double EvaluaFormula(int empresa);
    // The balance ("S"), debits ("D") or credits ("H") of the accounts under `cuenta` up to
    // `periodo`; 0 when the books cannot say.
    double ImporteCuenta(int empresa, int ejercicio, const QString& cuenta, int periodo,
                         QChar clave);
    // The stored amount of formula `numero` of the current chapter; of the formula being
    // calculated when there is none.
    double ImporteFormula(int numero);
    // Every formula of the current chapter, in number order, for the remembered taxpayer.
    void CalculaCapitulo();
    // Every formula of every chapter of memoria `memoria` from the current chapter on; false
    // when the taxpayer's books could not be read, the stored amounts kept.
    bool CalculaMemoria(int memoria);
    // A formula's amount as a chapter shows it: "##########0.00", 13 characters.
    QString TextoFormula(int numero);
    // "[Formula 007]": how a chapter's text names formula 7.
    static QString Marcador(int numero);
    // A memoria, chapter or formula as the windows name it: its number and its title.
    static QString NumeroYTitulo(const db::DataSet& filas, const QString& numero);

private:
    // One chapter's formulas evaluated and posted in number order; the accounting database
    // is open.
    void calcula(int empresa);
    int numero(const QString& procedimiento, const QVariantList& parametros);

    int contribuyente_ = 0;
    PideImporte pideImporte_;
};

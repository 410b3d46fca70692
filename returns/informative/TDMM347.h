#pragma once

#include "db/Statement.h"
#include "returns/informative/InformativeReturn.h"

#include <QHash>
#include <QString>

// Model 347, the yearly declaration of operations with third parties: one return per
// taxpayer, its declared parties (above 3.005,06 euros in the year, quarter by quarter) and
// its rented business premises; captured from the VAT register of the taxpayer's books and
// written as a file of 500-character records.
class TDMM347 : public InformativeReturn {
public:
    // Operations up to this amount in the year are not declared.
    static constexpr double kUmbral = 3005.06;
    // The declarant's record, a declared party's, a premises'.
    static const layout::Table kRegistros[3];

    explicit TDMM347(TDMMain& main);

    db::DataSet QDeclarados;
    db::DataSet QInmuebles;

    // The taxpayer's return, made (with the taxpayer's contact person, signatory and
    // position) when it has none; left in edit.
    void FijaDeclarante(int declarante);
    // The declared parties of the taxpayer's VAT register, added to those already there.
    // False when the taxpayer has no books or they do not open (the user told).
    bool CapturaContabilidad() override;
    // "mod347.txt" written in the working folder and copied into the agency's folder under
    // the taxpayer's surname; the user told how it went.
    bool GeneraFichero() override;
    // The taxpayer's return filed without a window, captured first with `captura`.
    static bool Archiva(TDMMain& main, int contribuyente, const QString& periodo, bool captura);
    // Where the last filing's copy went.
    const QString& copia() const { return copia_; }

private:
    // One working row of the capture: a counterpart's invoices of one key, in cents.
    struct Acumulado {
        QString nombre;
        QString provincia;
        qint64 trimestres[4] = {0, 0, 0, 0};
        qint64 importe = 0;
        qint64 importeCC = 0;
        int cc = 0;
        int sp = 0;
    };
    struct Subcuenta {
        QString cif;
        QString codigoPostal;
        bool existe = false;
    };

    const layout::Table& registroDeclarante() const override { return kRegistros[0]; }
    std::vector<Lista> listas() override;
    QString regla(db::DataSet& fila, const QString& nombre) override;
    void nuevoDeclarado();
    void nuevoInmueble();
    QString provinciaAgencia();
    Subcuenta subcuenta(const QString& codigo, int empresa);
    void guardaRegistro(const QString& clave, const QString& nif, const Acumulado& a);
    void insertaDeclarados();

    db::Statement xSubcuenta;
    QHash<QString, Subcuenta> subcuentas_;
    QString copia_;
};

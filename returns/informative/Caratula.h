#pragma once

#include <QDate>
#include <QString>

class TDMMain;

// The cover file "caratula.txt" some informative returns leave in the working folder beside
// their records: one line of the taxpayer's address and signatory, ended by CR LF.
namespace caratula {

// The line: `cabecera` (type, model and year, "13492008"), the taxpayer's tax number, tax
// office, street type and street, number, town, postal code, the return's date, the
// signatory and position, and twenty blanks.
QString linea(TDMMain& main, const QString& cabecera, int contribuyente, const QDate& fecha);

// The line written over the working folder's "caratula.txt"; false when it could not be.
bool escribe(TDMMain& main, const QString& cabecera, int contribuyente, const QDate& fecha);

} // namespace caratula

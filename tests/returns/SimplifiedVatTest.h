#pragma once

// Models 310 and 311 on the test taxpayers, taxpayer 12 with an account, a town and a
// contact (with a double blank the file drops); what their tests read: the type character,
// amounts of 13 positions, the month names of the signature.
#include "ReturnModuleTest.h"

inline const QString kSimplifiedDefaults = QStringLiteral(R"(
UPDATE T_CONTRIBUYENTES SET CCC = '21000418450200051332', MUNICIPIO = 'MURCIA',
    PERSONA = 'LUIS  PEREZ', TELEFONO = '968123456' WHERE CONTRIBUYENTE = 12;
)");
inline const QString kCcc = QStringLiteral("21000418450200051332");

inline const char* const kMonths[] = {"ENERO",   "FEBRERO",    "MARZO",   "ABRIL",
                                      "MAYO",    "JUNIO",      "JULIO",   "AGOSTO",
                                      "SEPTIEMBRE", "OCTUBRE", "NOVIEMBRE", "DICIEMBRE"};

inline QString amount13(qint64 cents) {
    return QString::number(cents).rightJustified(13, u'0');
}

template <class Module>
class SimplifiedVatTest : public ReturnModuleTest<Module> {
protected:
    explicit SimplifiedVatTest(const QString& more = {})
        : ReturnModuleTest<Module>(kTaxpayers + kSimplifiedDefaults + more) {}

    QString work(const char* name) const { return this->test.work.file(QString::fromLatin1(name)); }
    // Position 7 of the record.
    QString type() { return this->dm.ComponeFichero().mid(6, 1); }
};

#pragma once

#include "../returns/M111Fixture.h"
#include "QtPrinters.h"
#include "memoria/TDMMemorias.h"

#include <gtest/gtest.h>

// The books answer from a table of amounts by letter, period and account; account "ERR"
// makes the procedure fail.
inline const QString kBooks = QStringLiteral(R"(
CREATE TABLE T_PARAMETROS (EJERCICIO INTEGER, EMPRESA INTEGER);
INSERT INTO T_PARAMETROS VALUES (2016, 6);
INSERT INTO T_PARAMETROS VALUES (2017, 7);
CREATE TABLE T_IMPORTES (EMPRESA INTEGER, CLAVE CHAR(1), PERIODO SMALLINT, CUENTA VARCHAR(30), IMPORTE DOUBLE PRECISION);
INSERT INTO T_IMPORTES VALUES (7, 'S', 12, '570', 1000);
INSERT INTO T_IMPORTES VALUES (7, 'S', 0, '430', 250);
INSERT INTO T_IMPORTES VALUES (7, 'S', 13, '57', 400);
INSERT INTO T_IMPORTES VALUES (7, 'S', 13, '129', 300);
INSERT INTO T_IMPORTES VALUES (7, 'H', 12, '700', 5000);
INSERT INTO T_IMPORTES VALUES (6, 'S', 12, '570', 999999);
CREATE EXCEPTION E_CUENTA 'cuenta errónea';
SET TERM ^ ;
CREATE PROCEDURE pa_calculo_cuentas (EMPRESA INTEGER, EJERCICIO INTEGER, CLAVE CHAR(1),
    PERIODO SMALLINT, CUENTA VARCHAR(30))
RETURNS (IMPORTE DOUBLE PRECISION)
AS
BEGIN
    IF (CUENTA = 'ERR') THEN EXCEPTION E_CUENTA;
    IMPORTE = 0;
    SELECT IMPORTE FROM T_IMPORTES WHERE EMPRESA = :EMPRESA AND CLAVE = :CLAVE
        AND PERIODO = :PERIODO AND CUENTA = :CUENTA INTO :IMPORTE;
    IMPORTE = COALESCE(IMPORTE, 0);
END ^
SET TERM ; ^
)");

// One memoria, one chapter; formulas added by the tests.
inline const QString kMemoria = QStringLiteral(R"(
INSERT INTO T_MEMORIAS VALUES (1, 'MEMORIA PYMES');
INSERT INTO T_CAPITULOS (MEMORIA, CAPITULO, TITULO) VALUES (1, 1, 'INMOVILIZADO');
)");

// The register's taxpayer 12 keeps its books in `books`.
class MemoriaTest : public ::testing::Test {
protected:
    void SetUp() override { enlaza(12, books); }
    // The taxpayer's accounting link names the books' file.
    void enlaza(int contribuyente, TestDatabase& libros) {
        libros.database().close();
        db::Statement s(test.main.Database, test.main.TLocal);
        s.setSql(QStringLiteral(
            "update T_CONTRIBUYENTES set FICHERO_CTBLE = :f where CONTRIBUYENTE = :c"));
        s.setParam(QStringLiteral("F"), libros.path());
        s.setParam(QStringLiteral("C"), contribuyente);
        s.execute();
        test.main.TLocal.commit();
    }
    // A formula of the chapter, stored with an earlier amount.
    static void formula(TDMMemorias& dm, int numero, const QVariant& sintaxis, double guardado = 0,
                        int absoluto = 0, const char* condicional = " ") {
        dm.QFormulas.append();
        dm.QFormulas.field(QStringLiteral("FORMULA")).setAsInteger(numero);
        dm.QFormulas.field(QStringLiteral("SINTAXIS")).setValue(sintaxis);
        dm.QFormulas.field(QStringLiteral("ABSOLUTO")).setAsInteger(absoluto);
        dm.QFormulas.field(QStringLiteral("CONDICIONAL"))
            .setAsString(QString::fromLatin1(condicional));
        dm.QFormulas.field(QStringLiteral("IMPORTE")).setAsFloat(guardado);
        dm.QFormulas.post();
    }

    TestMain test{kTaxpayers + kMemoria};
    TestDatabase books{test.work, kBooks, QStringLiteral("conta.fdb")};
};

#pragma once

#include "QtPrinters.h"
#include "TempDir.h"
#include "TestDatabase.h"
#include "db/Transaction.h"

#include <gtest/gtest.h>

// Tables of every column type the system uses, a master with its details, and a
// procedure, on a copy of the system database of the test's own.
inline const QString kDbSetup = QStringLiteral(R"(
CREATE TABLE T_TIPOS (
    ID INTEGER NOT NULL PRIMARY KEY,
    PEQUE SMALLINT,
    REAL_ DOUBLE PRECISION,
    IMPORTE NUMERIC(15,2),
    FECHA DATE,
    TEXTO VARCHAR(30),
    LETRA CHAR(3),
    MEMO BLOB SUB_TYPE 1,
    BINARIO BLOB SUB_TYPE 0);
CREATE TABLE T_MAESTRO (CODIGO INTEGER NOT NULL PRIMARY KEY, NOMBRE VARCHAR(40));
CREATE TABLE T_DETALLE (CODIGO INTEGER NOT NULL, LINEA INTEGER NOT NULL, CONCEPTO VARCHAR(20),
    PRIMARY KEY (CODIGO, LINEA));
INSERT INTO T_MAESTRO VALUES (1, "Uno");
INSERT INTO T_MAESTRO VALUES (2, "Dos");
INSERT INTO T_MAESTRO VALUES (3, "Tres");
INSERT INTO T_DETALLE VALUES (1, 1, "a");
INSERT INTO T_DETALLE VALUES (1, 2, "b");
INSERT INTO T_DETALLE VALUES (2, 1, "c");
SET TERM ^ ;
CREATE PROCEDURE PA_DOBLE (N INTEGER) RETURNS (R INTEGER, T VARCHAR(10)) AS
BEGIN
    R = :N * 2;
    T = 'n:' || :N;
END ^
SET TERM ; ^
)");

class DbTest : public ::testing::Test {
protected:
    TempDir dir;
    TestDatabase testDb{dir, kDbSetup};
    db::Database& database = testDb.database();
    db::Transaction transaction{database};
};

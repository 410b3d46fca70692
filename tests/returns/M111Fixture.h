#pragma once

#include "FakePrompts.h"
#include "ScopedEnv.h"
#include "TempDir.h"
#include "TestMain.h"
#include "db/Statement.h"
#include "returns/periodic/TDMM111.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

// Two taxpayers of the office: 12 pays by direct debit, is without activity, and has a
// surname with double and trailing blanks; 13 pays in cash and has no account.
inline const QString kTaxpayers = QStringLiteral(R"(
INSERT INTO T_CONTRIBUYENTES (CONTRIBUYENTE, NIF, APELLIDOS, NOMBRE, FP, IBAN, SIN_ACTIVIDAD, ADMINISTRACION)
VALUES (12, '12345678Z', 'GARCIA  DE LA FUENTE  ', 'ANA  MARIA', 3, 'ES9121000418450200051332', 1, '30600');
INSERT INTO T_CONTRIBUYENTES (CONTRIBUYENTE, NIF, APELLIDOS, FP) VALUES (13, 'B30000001', 'TALLERES DEL SEGURA SL', 1);
)");

// An accounting database whose capture procedure returns fixed rows: two of key "A",
// one of an unknown key, one each of "G", "K" and "J". The second "A" row tells what the
// procedure was asked: the company as recipients, the first month and last day as amount.
inline const QString kAccounting = QStringLiteral(R"(
CREATE TABLE T_PARAMETROS (EJERCICIO INTEGER, EMPRESA INTEGER);
INSERT INTO T_PARAMETROS VALUES (2017, 6);
INSERT INTO T_PARAMETROS VALUES (2018, 7);
SET TERM ^ ;
CREATE PROCEDURE pa_mod110 (EMPRESA INTEGER, EJERCICIO INTEGER, FECHA_INI DATE, FECHA_FIN DATE)
RETURNS (CLAVE CHAR(1), PERCEPTORES INTEGER, IMPORTE DOUBLE PRECISION, RETENCION DOUBLE PRECISION)
AS
BEGIN
    CLAVE = 'A'; PERCEPTORES = 2; IMPORTE = 100.5; RETENCION = 15.25; SUSPEND;
    CLAVE = 'Z'; PERCEPTORES = 9; IMPORTE = 999; RETENCION = 99; SUSPEND;
    CLAVE = 'G'; PERCEPTORES = 3; IMPORTE = 200; RETENCION = 30; SUSPEND;
    CLAVE = 'K'; PERCEPTORES = 4; IMPORTE = 300; RETENCION = 60; SUSPEND;
    CLAVE = 'J'; PERCEPTORES = 5; IMPORTE = 400; RETENCION = 80; SUSPEND;
    CLAVE = 'A'; PERCEPTORES = EMPRESA;
    IMPORTE = EXTRACT(MONTH FROM FECHA_INI) * 100 + EXTRACT(DAY FROM FECHA_FIN);
    RETENCION = 43.5 + (EJERCICIO - 2018); SUSPEND;
END ^
SET TERM ; ^
)");

// A workstation with model 111 open: its drive C holds the agency's folder "aeat".
class M111Test : public ::testing::Test {
protected:
    explicit M111Test(const QString& setup = kTaxpayers) : test(setup) {}

    void SetUp() override {
        QDir(drive.path()).mkdir(QStringLiteral("aeat"));
        dm.DataModuleCreate();
    }

public:
    db::Field& box(const char* name) { return dm.QMaestro.field(QString::fromLatin1(name)); }

protected:
    db::DataSet& record() { return dm.QMaestro; }

    // A new record of the taxpayer and period, as the user starts one.
    void choose(int taxpayer, const char* period) {
        record().append();
        box("CONTRIBUYENTE").setAsInteger(taxpayer);
        box("PERIODO").setAsString(QString::fromLatin1(period));
    }

    QString agencyFile(const QString& name) const {
        return drive.file(QStringLiteral("aeat/111_2018/") + name);
    }
    QString printFile() const { return test.work.file(QStringLiteral("mod111.txt")); }

    // A row as another workstation stored it.
    void execute(const QString& sql) {
        db::Statement s(test.main.Database, test.main.TLocal);
        s.setSql(sql);
        s.execute();
        test.main.TLocal.commitRetaining();
    }

    static QByteArray read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TempDir drive;
    ScopedEnv driveC{"TRIBUTRA_DRIVE_C", drive.path().toLocal8Bit()};
    TestMain test;
    TDMM111 dm{test.main};
};

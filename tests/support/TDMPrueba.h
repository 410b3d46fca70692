#pragma once

#include "framework/TDMBase.h"

// A register of test rows, as a real register module is written.
inline const QString kPruebaSetup = QStringLiteral(R"(
CREATE TABLE T_PRUEBA (CODIGO INTEGER NOT NULL PRIMARY KEY, TITULO VARCHAR(40), IMPORTE DOUBLE PRECISION,
    N SMALLINT, FECHA DATE);
INSERT INTO T_PRUEBA VALUES (1, 'GARCIA LOPEZ', 10, 1, NULL);
INSERT INTO T_PRUEBA VALUES (12, 'GARCIA PEREZ', -5, 1, NULL);
INSERT INTO T_PRUEBA VALUES (120, 'Garcia', 0, 1, NULL);
INSERT INTO T_PRUEBA VALUES (123, 'PEREZ', 0, 1, NULL);
INSERT INTO T_PRUEBA VALUES (2, 'O''BRIEN', 0, 1, NULL);
INSERT INTO T_PRUEBA VALUES (21, 'DIJO "HOLA"', 0, 1, NULL);
INSERT INTO T_PRUEBA VALUES (3, 'GARCIAS', 0, 1, NULL);
)");

class TDMPrueba : public TDMBase {
public:
    explicit TDMPrueba(TDMMain& main,
                       const QString& select = QStringLiteral("select * from T_PRUEBA"))
        : TDMBase(main) {
        QMaestro.setSelectSql(select);
        QMaestro.setInsertSql(
            QStringLiteral("insert into T_PRUEBA (CODIGO, TITULO, IMPORTE, N, FECHA) "
                           "values (:CODIGO, :TITULO, :IMPORTE, :N, :FECHA)"));
        QMaestro.setModifySql(
            QStringLiteral("update T_PRUEBA set TITULO = :TITULO, IMPORTE = :IMPORTE "
                           "where CODIGO = :OLD_CODIGO"));
        QMaestro.setDeleteSql(QStringLiteral("delete from T_PRUEBA where CODIGO = :OLD_CODIGO"));
        QMaestro.onNewRecord.add([this](db::DataSet&) { InicializaCampos(); });
        QMaestro.onFieldValidate({QStringLiteral("CODIGO")}, [this](db::Field& f) {
            CompruebaClave(f, QStringLiteral("t_prueba"));
        });
    }
};

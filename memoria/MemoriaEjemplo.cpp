#include "memoria/MemoriaEjemplo.h"

#include "config/AdminAccount.h"
#include "db/Database.h"
#include "db/Statement.h"
#include "db/Transaction.h"
#include "platform/WindowsPaths.h"
#include "schema/SystemDatabase.h"
#include "util/Error.h"

#include <QDir>
#include <QFile>

namespace MemoriaEjemplo {
namespace {

const char* const kCapitulos[] = {
    "ACTIVIDAD DE LA EMPRESA",
    "BASES DE PRESENTACION DE LAS CUENTAS ANUALES",
    "APLICACION DE RESULTADOS",
    "NORMAS DE REGISTRO Y VALORACION",
    "INMOVILIZADO MATERIAL E INTANGIBLE",
    "ACTIVOS FINANCIEROS",
    "PASIVOS FINANCIEROS",
    "FONDOS PROPIOS",
    "SITUACION FISCAL",
    "INGRESOS Y GASTOS",
    "OPERACIONES CON PARTES VINCULADAS",
    "OTRA INFORMACION",
};

struct Formula {
    int capitulo;
    int numero;
    const char* titulo;   // up to 40 characters
    const char* sintaxis; // empty: typed by hand
};

// Credit balances (equity, liabilities, income) are negative in the books, hence the leading
// minus; the regularisation of period 13 leaves the year's result in 129.
const Formula kFormulas[] = {
    {3, 1, "RESULTADO DEL EJERCICIO", "-S13:129"},
    {3, 2, "A RESERVAS VOLUNTARIAS", "F1"},
    {5, 1, "INMOVILIZADO INTANGIBLE SALDO INICIAL", "S0:20"},
    {5, 2, "INMOVILIZADO INTANGIBLE SALDO FINAL", "S13:20"},
    {5, 3, "INMOVILIZADO MATERIAL SALDO INICIAL", "S0:21"},
    {5, 4, "ALTAS DEL EJERCICIO", "D13:21-S0:21"},
    {5, 5, "BAJAS DEL EJERCICIO", "H13:21"},
    {5, 6, "INMOVILIZADO MATERIAL SALDO FINAL", "S13:21"},
    {5, 7, "AMORTIZACION ACUMULADA INICIAL", "-S0:28"},
    {5, 8, "DOTACION A LA AMORTIZACION", "S12:68"},
    {5, 9, "AMORTIZACION ACUMULADA FINAL", "-S13:28"},
    {5, 10, "VALOR NETO CONTABLE", "F2+F6-F9"},
    {6, 1, "INVERSIONES FINANCIERAS A LARGO PLAZO", "S13:25"},
    {6, 2, "CLIENTES", "S13:43"},
    {6, 3, "OTROS DEUDORES", "S13:44"},
    {6, 4, "EFECTIVO Y OTROS ACTIVOS LIQUIDOS", "S13:57"},
    {6, 5, "TOTAL ACTIVOS FINANCIEROS", "F1+F2+F3+F4"},
    {7, 1, "DEUDAS L/P CON ENTIDADES DE CREDITO", "-S13:170"},
    {7, 2, "DEUDAS C/P CON ENTIDADES DE CREDITO", "-S13:520"},
    {7, 3, "PROVEEDORES", "-S13:40"},
    {7, 4, "ACREEDORES POR PRESTACION DE SERVICIOS", "-S13:41"},
    {7, 5, "TOTAL PASIVOS FINANCIEROS", "F1+F2+F3+F4"},
    {8, 1, "CAPITAL SOCIAL", "-S13:100"},
    {8, 2, "RESERVAS", "-S13:11"},
    {8, 3, "RESULTADO DEL EJERCICIO", "-S13:129"},
    {8, 4, "TOTAL FONDOS PROPIOS", "F1+F2+F3"},
    {9, 1, "H.P. ACREEDORA POR IVA", "-S13:4750"},
    {9, 2, "H.P. ACREEDORA POR RETENCIONES", "-S13:4751"},
    {9, 3, "ORGANISMOS DE LA SEGURIDAD SOCIAL", "-S13:476"},
    {9, 4, "GASTO POR IMPUESTO SOBRE BENEFICIOS", "S12:630"},
    {9, 5, "H.P. DEUDORA POR IVA", "S13:4700"},
    {10, 1, "IMPORTE NETO DE LA CIFRA DE NEGOCIOS", "-S12:70"},
    {10, 2, "APROVISIONAMIENTOS", "S12:60"},
    {10, 3, "SUELDOS Y SALARIOS", "S12:640"},
    {10, 4, "CARGAS SOCIALES", "S12:642"},
    {10, 5, "OTROS GASTOS DE EXPLOTACION", "S12:62"},
    {10, 6, "AMORTIZACION DEL INMOVILIZADO", "S12:68"},
    {10, 7, "OTROS INGRESOS DE EXPLOTACION", "-S12:75"},
    {11, 1, "REMUNERACION ORGANO DE ADMINISTRACION", ""},
};

QByteArray texto(int capitulo) {
    const QString nombre =
        QStringLiteral(":/memoria/ejemplo/capitulo%1.rtf").arg(capitulo, 2, 10, QChar(u'0'));
    QFile f(nombre);
    if (!f.open(QIODevice::ReadOnly))
        throw tributra::Error(
            QStringLiteral("Falta el texto %1 de la memoria ejemplo").arg(nombre));
    return f.readAll();
}

} // namespace

void inserta(db::Database& database, db::Transaction& transaction, int memoria) {
    db::Statement s(database, transaction);
    s.setSql(QStringLiteral("insert into T_MEMORIAS (MEMORIA, TITULO) values (:MEMORIA, :TITULO)"));
    s.setParam(QStringLiteral("MEMORIA"), memoria);
    s.setParam(QStringLiteral("TITULO"), kTitulo);
    s.execute();
    s.setSql(QStringLiteral("insert into T_CAPITULOS (MEMORIA, CAPITULO, TITULO, TEXTO) "
                            "values (:MEMORIA, :CAPITULO, :TITULO, :TEXTO)"));
    int capitulo = 0;
    for (const char* titulo : kCapitulos) {
        ++capitulo;
        s.setParam(QStringLiteral("MEMORIA"), memoria);
        s.setParam(QStringLiteral("CAPITULO"), capitulo);
        s.setParam(QStringLiteral("TITULO"), QString::fromLatin1(titulo));
        s.setParam(QStringLiteral("TEXTO"), texto(capitulo));
        s.execute();
    }
    s.setSql(QStringLiteral("insert into T_FORMULAS (MEMORIA, CAPITULO, FORMULA, TITULO, SINTAXIS, "
                            "ABSOLUTO, CONDICIONAL, IMPORTE) values (:MEMORIA, :CAPITULO, "
                            ":FORMULA, :TITULO, :SINTAXIS, 0, ' ', 0)"));
    for (const Formula& f : kFormulas) {
        s.setParam(QStringLiteral("MEMORIA"), memoria);
        s.setParam(QStringLiteral("CAPITULO"), f.capitulo);
        s.setParam(QStringLiteral("FORMULA"), f.numero);
        s.setParam(QStringLiteral("TITULO"), QString::fromLatin1(f.titulo));
        s.setParam(QStringLiteral("SINTAXIS"),
                   *f.sintaxis ? QVariant(QString::fromLatin1(f.sintaxis)) : QVariant());
        s.execute();
    }
}

QString fichero() {
    return QDir(platform::windowsDirectory()).filePath(QStringLiteral("memoria.gdb"));
}

void creaBase(const QString& path) {
    schema::createSystemDatabase(path, config::adminParams());
    db::Database database;
    database.setDatabaseName(path);
    database.setParams(config::adminParams());
    database.open();
    db::Transaction transaction(database);
    inserta(database, transaction, 1);
    transaction.commit();
    database.close();
}

} // namespace MemoriaEjemplo

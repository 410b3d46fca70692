#include "memoria/TDMMemorias.h"

#include "config/TDMMain.h"
#include "db/Error.h"
#include "util/Error.h"
#include "util/NumberFormat.h"
#include "util/UUtiles.h"

#include <cmath>

namespace {

const QString kMemoria = QStringLiteral("MEMORIA");
const QString kCapitulo = QStringLiteral("CAPITULO");
const QString kFormula = QStringLiteral("FORMULA");
const QString kImporte = QStringLiteral("IMPORTE");

bool operador(QChar c) {
    return c == u'+' || c == u'-' || c == u'*' || c == u'/';
}

int entero(const QString& texto) {
    bool ok = false;
    const int n = texto.toInt(&ok);
    if (!ok)
        throw tributra::Error(QStringLiteral("'%1' no es un número entero válido").arg(texto));
    return n;
}

// Closes the accounting connection on every way out of a calculation.
class Contabilidad {
public:
    explicit Contabilidad(db::Database& database) : database_(database) {}
    ~Contabilidad() {
        try {
            database_.close();
        } catch (const tributra::Error&) {
            // reopened by the next calculation
        }
    }
    Contabilidad(const Contabilidad&) = delete;
    Contabilidad& operator=(const Contabilidad&) = delete;

private:
    db::Database& database_;
};

} // namespace

TDMMemorias::TDMMemorias(TDMMain& main)
    : TDMBase(main), QCapitulos(main.Database, TLocal), QFormulas(main.Database, TLocal),
      QCampo(main.DBConta, main.TConta), QImporte(main.Database, TLocal) {
    QMaestro.setSelectSql(QStringLiteral("select * from T_MEMORIAS"));
    setWriteSql(QMaestro, QStringLiteral("T_MEMORIAS"), {kMemoria, QStringLiteral("TITULO")},
                {kMemoria}, KeyUpdate::Written);
    QCapitulos.setSelectSql(
        QStringLiteral("select * from T_CAPITULOS\nwhere memoria = :memoria\norder by capitulo"));
    setWriteSql(QCapitulos, QStringLiteral("T_CAPITULOS"),
                {kMemoria, kCapitulo, QStringLiteral("TITULO"), QStringLiteral("TEXTO")},
                {kMemoria, kCapitulo}, KeyUpdate::Written);
    QCapitulos.setMaster(&QMaestro);
    QFormulas.setSelectSql(QStringLiteral("select * from T_FORMULAS\nwhere memoria = :memoria\n"
                                          "and capitulo = :capitulo\norder by formula"));
    setWriteSql(QFormulas, QStringLiteral("T_FORMULAS"),
                {kMemoria, kCapitulo, kFormula, QStringLiteral("TITULO"),
                 QStringLiteral("SINTAXIS"), QStringLiteral("ABSOLUTO"),
                 QStringLiteral("CONDICIONAL"), kImporte},
                {kMemoria, kCapitulo, kFormula}, KeyUpdate::Written);
    QFormulas.setMaster(&QCapitulos);
    addDataSet(QCapitulos);
    addDataSet(QFormulas);
    QCampo.setSql(QStringLiteral(
        "execute procedure pa_calculo_cuentas(:empresa,:ejercicio,:clave,:periodo,:cuenta)"));
    QImporte.setSql(QStringLiteral("select importe from t_formulas\nwhere memoria = :memoria\n"
                                   "and capitulo = :capitulo\nand formula = :formula"));

    // Opening the memorias opens their chapters, and these their formulas.
    QMaestro.afterOpen.add([this](db::DataSet&) {
        if (!QCapitulos.active())
            QCapitulos.open();
    });
    QCapitulos.afterOpen.add([this](db::DataSet&) {
        if (!QFormulas.active())
            QFormulas.open();
    });
    // Numbers come from the user or from the numbering procedures.
    QMaestro.beforePost.add([this](db::DataSet&) {
        db::Field& n = QMaestro.field(kMemoria);
        if (n.isNull() || n.asInteger() == 0)
            n.setAsInteger(numero(QStringLiteral("pa_numero_memoria"), {}));
    });
    QMaestro.onFieldValidate(
        {kMemoria}, [this](db::Field& f) { CompruebaClave(f, QStringLiteral("T_memorias")); });
    QCapitulos.onNewRecord.add([this](db::DataSet&) {
        // A chapter belongs to a stored memoria.
        if (QMaestro.state() == db::DataSet::State::Insert)
            QMaestro.post();
        QCapitulos.field(kMemoria).setAsInteger(QMaestro.field(kMemoria).asInteger());
    });
    QCapitulos.beforePost.add([this](db::DataSet&) {
        if (QMaestro.editing())
            QMaestro.post();
        db::Field& n = QCapitulos.field(kCapitulo);
        if (n.isNull() || n.asInteger() == 0)
            n.setAsInteger(numero(QStringLiteral("pa_numero_capitulo"),
                                  {QCapitulos.field(kMemoria).asInteger()}));
    });
    QFormulas.onNewRecord.add([this](db::DataSet&) {
        QFormulas.field(kMemoria).setAsInteger(QCapitulos.field(kMemoria).asInteger());
        QFormulas.field(kCapitulo).setAsInteger(QCapitulos.field(kCapitulo).asInteger());
        QFormulas.field(QStringLiteral("ABSOLUTO")).setAsInteger(0);
        QFormulas.field(QStringLiteral("CONDICIONAL")).setAsString(QStringLiteral(" "));
    });
    QFormulas.beforePost.add([this](db::DataSet&) {
        // Names and expressions are kept in capitals, whatever was typed.
        for (const char* campo : {"TITULO", "SINTAXIS"}) {
            db::Field& f = QFormulas.field(QLatin1String(campo));
            if (!f.isNull())
                f.setAsString(f.asString().toUpper());
        }
        db::Field& n = QFormulas.field(kFormula);
        if (n.isNull() || n.asInteger() == 0)
            n.setAsInteger(numero(
                QStringLiteral("pa_numero_formula"),
                {QFormulas.field(kMemoria).asInteger(), QFormulas.field(kCapitulo).asInteger()}));
    });
    for (db::DataSet* detalle : {&QCapitulos, &QFormulas}) {
        detalle->afterPost.add([this](db::DataSet& ds) { QMaestroAfterPost(ds); });
        detalle->afterDelete.add([this](db::DataSet& ds) { QMaestroAfterPost(ds); });
    }
}

// A failing procedure gives 0, as a number nobody has.
int TDMMemorias::numero(const QString& procedimiento, const QVariantList& parametros) {
    QStringList marcas;
    for (int i = 0; i < parametros.size(); ++i)
        marcas << QStringLiteral(":P%1").arg(i);
    QGen.close();
    QGen.setSql(QStringLiteral("execute procedure %1 %2").arg(procedimiento, marcas.join(u',')));
    for (int i = 0; i < parametros.size(); ++i)
        QGen.setParam(QStringLiteral("P%1").arg(i), parametros[i]);
    int n = 0;
    try {
        QGen.execute();
        n = QGen.field(0).asInteger();
    } catch (const db::Error&) {
        QGen.transaction().rollback();
    }
    QGen.close();
    if (QGen.transaction().active())
        QGen.transaction().commit();
    return n;
}

QString TDMMemorias::NumeroYTitulo(const db::DataSet& filas, const QString& numero) {
    const db::Field* n = filas.findField(numero);
    const db::Field* t = filas.findField(QStringLiteral("TITULO"));
    return (n ? n->asString() : QString()) + QStringLiteral("  ") + (t ? t->asString() : QString());
}

QString TDMMemorias::Marcador(int numero) {
    return QStringLiteral("[Formula ") + UUtiles::CerosIzquierda(QString::number(numero), 3) + u']';
}

double TDMMemorias::ImporteCuenta(int empresa, int ejercicio, const QString& cuenta, int periodo,
                                  QChar clave) {
    double importe = 0;
    try {
        QCampo.close();
        QCampo.setParam(QStringLiteral("EMPRESA"), empresa);
        QCampo.setParam(QStringLiteral("EJERCICIO"), ejercicio);
        QCampo.setParam(QStringLiteral("CLAVE"), QString(clave));
        QCampo.setParam(QStringLiteral("PERIODO"), periodo);
        QCampo.setParam(QStringLiteral("CUENTA"), cuenta);
        QCampo.execute();
        importe = QCampo.field(QStringLiteral("IMPORTE")).asFloat();
        QCampo.close();
    } catch (const db::Error&) {
        QCampo.close();
        if (QCampo.transaction().active())
            QCampo.transaction().rollback();
        importe = 0;
    }
    if (QCampo.transaction().active())
        QCampo.transaction().commit();
    return importe;
}

double TDMMemorias::ImporteFormula(int numero) {
    const int columnaFormula = QFormulas.findField(kFormula)->index();
    const int columnaImporte = QFormulas.findField(kImporte)->index();
    for (int row = 0; row < QFormulas.recordCount(); ++row)
        if (QFormulas.valueAt(row, columnaFormula).toInt() == numero)
            return QFormulas.valueAt(row, columnaImporte).toDouble();
    return QFormulas.valueAt(QFormulas.currentRow(), columnaImporte).toDouble();
}

// Left to right, with no precedence, no parentheses and no numbers of their own: a term is
// combined only with the operator right before it.
double TDMMemorias::EvaluaFormula(int empresa) {
    const db::Field& sintaxis = QFormulas.field(QStringLiteral("SINTAXIS"));
    const double guardado = QFormulas.field(kImporte).asFloat();
    if (sintaxis.isNull() || sintaxis.asString().trimmed().isEmpty()) {
        if (!pideImporte_)
            return guardado;
        return pideImporte_(guardado).value_or(guardado);
    }
    const QString expresion = sintaxis.asString().toUpper().trimmed();
    double resultado = 0;
    QChar anterior = u' ';
    qsizetype p = 0;
    while (p < expresion.size()) {
        const QChar c = expresion[p];
        const bool termino = (c == u'S' || c == u'D' || c == u'H' || c == u'F') &&
                             p + 1 < expresion.size() && expresion[p + 1].isDigit();
        if (!termino) {
            anterior = c;
            ++p;
            continue;
        }
        qsizetype fin = p + 1;
        while (fin < expresion.size() && !operador(expresion[fin]))
            ++fin;
        const QString texto = expresion.mid(p, fin - p);
        double valor = 0;
        if (c == u'F') {
            valor = ImporteFormula(entero(texto.mid(1)));
        } else {
            const qsizetype dosPuntos = texto.indexOf(u':');
            if (dosPuntos < 0)
                throw tributra::Error(
                    QStringLiteral("'%1' no es un número entero válido").arg(texto.mid(1)));
            valor = ImporteCuenta(empresa, kEjercicio, texto.mid(dosPuntos + 1),
                                  entero(texto.mid(1, dosPuntos - 1)), c);
        }
        if (p <= 1) {
            resultado = anterior == u'-' ? -valor : valor;
        } else if (anterior == u'+') {
            resultado += valor;
        } else if (anterior == u'-') {
            resultado -= valor;
        } else if (anterior == u'*') {
            resultado *= valor;
        } else if (anterior == u'/') {
            if (valor == 0)
                throw tributra::Error(QStringLiteral("División por cero en la formula %1: %2")
                                          .arg(QFormulas.field(kFormula).asInteger())
                                          .arg(expresion));
            resultado /= valor;
        }
        anterior = u' ';
        p = fin;
    }
    if (QFormulas.field(QStringLiteral("ABSOLUTO")).asInteger() == 1)
        resultado = std::fabs(resultado);
    const QString condicional = QFormulas.field(QStringLiteral("CONDICIONAL")).asString();
    if ((condicional == u"+" && resultado < 0) || (condicional == u"-" && resultado > 0))
        resultado = 0;
    return resultado;
}

void TDMMemorias::calcula(int empresa) {
    for (int row = 0; row < QFormulas.recordCount(); ++row) {
        QFormulas.moveTo(row);
        QFormulas.edit();
        QFormulas.field(kImporte).setAsFloat(EvaluaFormula(empresa));
        QFormulas.post();
    }
}

void TDMMemorias::CalculaCapitulo() {
    if (QFormulas.editing())
        QFormulas.post();
    if (!DMMain.AbreContabilidad(contribuyente_))
        return;
    Contabilidad cierre(DMMain.DBConta);
    const int actual = QFormulas.currentRow();
    const int empresa = EmpresaContable(kEjercicio);
    try {
        calcula(empresa);
    } catch (...) {
        if (QFormulas.editing())
            QFormulas.cancel();
        throw;
    }
    if (actual >= 0 && actual < QFormulas.recordCount())
        QFormulas.moveTo(actual);
}

bool TDMMemorias::CalculaMemoria(int memoria) {
    QMaestro.locate(kMemoria, {memoria});
    if (!DMMain.AbreContabilidad(contribuyente_))
        return false;
    Contabilidad cierre(DMMain.DBConta);
    const int empresa = EmpresaContable(kEjercicio);
    for (int capitulo = std::max(QCapitulos.currentRow(), 0); capitulo < QCapitulos.recordCount();
         ++capitulo) {
        QCapitulos.moveTo(capitulo);
        try {
            calcula(empresa);
        } catch (...) {
            if (QFormulas.editing())
                QFormulas.cancel();
            throw;
        }
    }
    return true;
}

QString TDMMemorias::TextoFormula(int numero) {
    double importe = 0;
    try {
        QImporte.close();
        QImporte.setParam(kMemoria, QCapitulos.field(kMemoria).variant());
        QImporte.setParam(kCapitulo, QCapitulos.field(kCapitulo).variant());
        QImporte.setParam(kFormula, numero);
        QImporte.execute();
        if (!QImporte.eof())
            importe = QImporte.field(0).asFloat();
        QImporte.close();
    } catch (const db::Error&) {
        QImporte.close();
        if (QImporte.transaction().active())
            QImporte.transaction().rollback();
    }
    if (QImporte.transaction().active())
        QImporte.transaction().commit();
    return UUtiles::RellenaIzquierda(util::formatFloat(QStringLiteral("##########0.00"), importe),
                                     13, QStringLiteral(" "));
}

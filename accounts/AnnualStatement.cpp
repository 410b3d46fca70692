#include "accounts/AnnualStatement.h"

#include "config/TDMMain.h"

namespace {

const QString kEmpresa = QStringLiteral("EMPRESA");

// Every total of the statement, for both exercises: the plain sum of its lines.
std::vector<ComputedBox> reglasDe(const accounts::Statement& statement) {
    std::vector<ComputedBox> reglas;
    for (bool previous : {false, true})
        for (const accounts::Line& line : statement.lines) {
            if (line.source != accounts::Source::Total)
                continue;
            QStringList inputs;
            for (int code : accounts::numbers(line.list))
                inputs << accounts::column(QByteArray::number(code).constData(), previous);
            const QString result = accounts::column(line.code, previous);
            reglas.push_back({result, inputs, formula::sum,
                              !previous && statement.typedOverTotals.contains(result)});
        }
    return reglas;
}

} // namespace

AnnualStatement::AnnualStatement(TDMMain& main, const accounts::Statement& statement)
    : TDMBase(main), statement_(statement), reglas_(reglasDe(statement)),
      totales_(QMaestro, reglas_), QCampo(main.DBConta, main.TConta) {
    QMaestro.setSelectSql(
        QStringLiteral("select * from %1\nwhere empresa = :empresa").arg(statement_.table));
    setWriteSql(QMaestro, statement_.table, accounts::columns(statement_), {kEmpresa},
                KeyUpdate::Kept);
    QMaestro.setParam(kEmpresa, 0);
    xAgencia.setSelectSql(QStringLiteral(
        "select * from VER_AGENCIA_TRIBUTARIA\nwhere contribuyente = :empresa"));
    QMaestro.onNewRecord.add([this](db::DataSet&) {
        InicializaCampos();
        campo(kEmpresa).setAsInteger(empresa_);
    });
    // The taxpayer has one statement: inserting opens it when it is there.
    QMaestro.beforeInsert.add([this](db::DataSet& ds) {
        if (ds.isEmpty())
            return;
        ds.abandonInsert();
        ds.edit();
    });
    QCampo.setSql(QStringLiteral(
        "select saldo_externo from pa_saldos_acumula (:empresa, :ejercicio, :cuenta, :inicio,:fin)"));
}

void AnnualStatement::FijaEmpresa(int empresa) {
    if (empresa == empresa_ && QMaestro.active())
        return;
    empresa_ = empresa;
    BuscaRegistro();
}

bool AnnualStatement::BuscaRegistro() {
    QMaestro.close();
    QMaestro.setParam(kEmpresa, empresa_);
    QMaestro.open();
    xAgencia.close();
    xAgencia.open();
    return !QMaestro.isEmpty();
}

bool AnnualStatement::CapturaContabilidad() {
    if (capturaCreaFila() && !QMaestro.editing())
        QMaestro.edit(); // on no row, the insert that starts it
    if (QMaestro.isEmpty())
        return false;
    if (!DMMain.AbreContabilidad(campo(kEmpresa).asInteger()))
        return false;
    for (int ejercicio : {kEjercicio, kEjercicioAnterior}) {
        QMaestro.edit();
        CalculaEjercicio(ejercicio);
        QMaestro.post();
    }
    return true;
}

// Lines by hand keep what was typed; every captured line is assigned, and the totals follow.
void AnnualStatement::CalculaEjercicio(int ejercicio) {
    for (const accounts::Line& line : statement_.lines)
        if (line.source == accounts::Source::Accounts ||
            line.source == accounts::Source::NegatedAccounts)
            campo(accounts::column(line.code, ejercicio == kEjercicioAnterior))
                .setAsFloat(valor(line, ejercicio));
}

double AnnualStatement::valor(const accounts::Line& line, int ejercicio) {
    const int fin = statement_.lastPeriod;
    double total = saldo(ejercicio, accounts::numbers(line.list), 0, fin);
    if (line.source == accounts::Source::NegatedAccounts)
        total = -total;
    // An account split by its sign: a debit goes to the asset line, a credit to the
    // liability line, each by its own query.
    const QString condicionales = QLatin1String(line.conditional);
    for (const QString& cuenta : condicionales.split(u',', Qt::SkipEmptyParts)) {
        const QString c = cuenta.trimmed();
        const double s = saldo(ejercicio, {c.chopped(1).toInt()}, 0, fin);
        if (c.endsWith(u'+') && s > 0)
            total += s;
        else if (c.endsWith(u'-') && s < 0)
            total -= s;
    }
    return total;
}

double AnnualStatement::SaldoCuentas(const QList<int>& cuentas, int inicio, int fin) {
    return saldo(kEjercicio, cuentas, inicio, fin);
}

double AnnualStatement::SaldoCuentasAnterior(const QList<int>& cuentas, int inicio, int fin) {
    return saldo(kEjercicioAnterior, cuentas, inicio, fin);
}

// Each exercise with its own accounting company: the books keep one per year.
double AnnualStatement::saldo(int ejercicio, const QList<int>& cuentas, int inicio, int fin) {
    const int empresaContable = EmpresaContable(ejercicio);
    double total = 0;
    for (int cuenta : cuentas) {
        QCampo.close();
        QCampo.setParam(QStringLiteral("EMPRESA"), empresaContable);
        QCampo.setParam(QStringLiteral("EJERCICIO"), ejercicio);
        QCampo.setParam(QStringLiteral("CUENTA"), QString::number(std::abs(cuenta)));
        QCampo.setParam(QStringLiteral("INICIO"), inicio);
        QCampo.setParam(QStringLiteral("FIN"), fin);
        QCampo.execute();
        const double s = QCampo.eof() ? 0 : QCampo.field(0).asFloat();
        total += cuenta > 0 ? s : -s;
        QCampo.close();
    }
    if (QCampo.transaction().active())
        QCampo.transaction().commit();
    return total;
}

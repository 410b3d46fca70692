#include "returns/periodic/TDMM130.h"

#include "util/Cents.h"

#include <algorithm>

namespace {

using enum layout::Kind;

const layout::Row kPagina1[] = {
    {1, 12, Const, "<T13001000> "},
    {13, 1, Text, "TIPO"},
    {14, 9, Text, "NIF"},
    {23, 60, Text, "APELLIDOS"},
    {83, 20, Text, "NOMBRE"},
    {103, 4, Const, "2018"},
    {107, 1, Text, "PERIODO"},
    {108, 1, Const, "T"},
    {109, 17, Amount, "C301", "01"},
    {126, 17, Amount, "C302", "02"},
    {143, 17, Amount, "C303", "03"},
    {160, 17, Amount, "C304", "04"},
    {177, 17, Amount, "C305", "05"},
    {194, 17, Amount, "C306", "06"},
    {211, 17, Amount, "C307", "07"},
    {228, 17, Amount, "C308", "08"},
    {245, 17, Amount, "C309", "09"},
    {262, 17, Amount, "C310", "10"},
    {279, 17, Amount, "C311", "11"},
    {296, 17, Amount, "C312", "12"},
    {313, 17, Amount, "C313", "13"},
    {330, 17, Amount, "C314", "14"},
    {347, 17, Amount, "C315", "15"},
    {364, 17, Amount, "C316", "16"},
    {381, 17, Amount, "C317", "17"},
    {398, 17, Amount, "C318", "18"},
    {415, 17, Amount, "C319", "19"},
    {432, 1, Mark, "ES_COMPLEMENTARIA"},
    {433, 13, Text, "C402"},
    {446, 34, Rule, "iban"},
    {480, 96, Blanks},
    {576, 13, Blanks},
    {589, 12, Const, "</T13001000>"},
};

const layout::Table kPaginas[] = {{"página 1", 600, kPagina1}};

// Box 04: 20 % of a positive net yield.
double veintePorCiento(std::span<const double> v) {
    return v[0] >= 0 ? 0.20 * v[0] : 0;
}

// Box 12: the previous instalments, never below zero.
double sinNegativo(std::span<const double> v) {
    return std::max(0.0, formula::sum(v));
}

// The form lets the user type over 03, 04, 09, 14 and 17; 07, 11, 12 and 19 are locked.
const ComputedBox kCalculadas[] = {
    {"C303", {"C301", "C302"}, formula::difference, true},
    {"C304", {"C303"}, veintePorCiento, true},
    {"C307", {"C304", "C305", "C306"}, formula::difference},
    {"C309", {"C308"}, formula::twoPercent, true},
    {"C311", {"C309", "C310"}, formula::difference},
    {"C312", {"C307", "C311"}, sinNegativo},
    {"C314", {"C312", "C313"}, formula::difference, true},
    {"C317", {"C314", "C315", "C316"}, formula::difference, true},
    {"C319", {"C317", "C318"}, formula::difference},
};

} // namespace

const PeriodicReturn::Model TDMM130::kModelo = {
    QStringLiteral("130"),
    QStringLiteral("T_MOD130"),
    {"CONTRIBUYENTE", "PERIODO", "TIPO", "C301", "C302", "C303", "C304", "C305", "C306", "C307",
     "C308", "C309", "C310", "C311", "C312", "C313", "C314", "C315", "C316", "C317", "C318",
     "C319", "ES_COMPLEMENTARIA", "C402", "IBAN"},
    periods::kTrimestresNumero,
    QStringLiteral("1.1"),
    QStringLiteral("T"),
    QStringLiteral("No se puede crear el fichero de impresión MOD130.TXT"),
    kPaginas,
    kCalculadas,
    [](TDMMain& main) -> std::unique_ptr<PeriodicReturn> { return std::make_unique<TDMM130>(main); },
};

TDMM130::TDMM130(TDMMain& main) : PeriodicReturn(main, kModelo) {
    // The type follows the result in the cents the file declares: a sum's noise is no result.
    QMaestro.onFieldChange({QStringLiteral("C319")}, [this](db::Field& resultado) {
        const qint64 centimos = util::cents(resultado.asFloat());
        campo(QStringLiteral("TIPO"))
            .setAsString(centimos > 0   ? QStringLiteral("U")
                         : centimos == 0 ? QStringLiteral("N")
                                         : QStringLiteral("B"));
    });
    // The books' figures from 1 January to the quarter's last month, for the activity's
    // account.
    xDatosConta.setSelectSql(
        QStringLiteral("select * from pa_mod130(:empresa, :ejercicio, :periodo, :cta_pf)"));
    xDatosConta.beforeOpen.add([this](db::DataSet&) {
        xDatosConta.setParam(QStringLiteral("EMPRESA"), EmpresaContable(kEjercicio));
        xDatosConta.setParam(QStringLiteral("EJERCICIO"), kEjercicio);
        xDatosConta.setParam(QStringLiteral("PERIODO"),
                             campo(QStringLiteral("PERIODO")).asString().toInt() * 3);
        QString cuenta;
        leeContribuyente(QStringLiteral("select cuenta_pf from t_contribuyentes "
                                        "where contribuyente = :contribuyente"),
                         [&](db::Statement& row) {
                             cuenta = row.field(QStringLiteral("CUENTA_PF")).asString();
                         });
        xDatosConta.setParam(QStringLiteral("CTA_PF"), cuenta);
    });
}

void TDMM130::QMaestroNewRecord() {
    InicializaCampos();
    campo(QStringLiteral("TIPO")).setAsString(QStringLiteral("U"));
    campo(QStringLiteral("ES_COMPLEMENTARIA")).setAsInteger(0);
}

// Income and expenses are the taxpayer's share of the activity's; payments and
// withholdings are the taxpayer's own.
void TDMM130::AsignaCasillas() {
    xDatosConta.first();
    if (xDatosConta.eof())
        return;
    double parte = 0;
    leeContribuyente(QStringLiteral("select participacion from t_contribuyentes "
                                    "where contribuyente = :contribuyente"),
                     [&](db::Statement& row) {
                         parte = row.field(QStringLiteral("PARTICIPACION")).asFloat() / 100;
                     });
    auto columna = [this](const char* nombre) {
        return xDatosConta.field(QLatin1String(nombre)).asFloat();
    };
    campo(QStringLiteral("C301")).setAsFloat(columna("INGRESOS") * parte);
    campo(QStringLiteral("C302")).setAsFloat(columna("GASTOS") * parte);
    campo(QStringLiteral("C305")).setAsFloat(columna("PAGOS"));
    campo(QStringLiteral("C306")).setAsFloat(columna("RETENCIONES"));
}

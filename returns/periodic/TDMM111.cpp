#include "returns/periodic/TDMM111.h"

namespace {

using enum layout::Kind;

const layout::Row kPagina1[] = {
    {1, 12, Const, "<T11101000> "},
    {13, 1, Text, "TIPO"},
    {14, 9, Text, "NIF"},
    {23, 60, Text, "APELLIDOS"},
    {83, 20, Text, "NOMBRE"},
    {103, 4, Const, "2018"},
    {107, 2, Text, "PERIODO"},
    {109, 8, Count, "C3I01", "01"},
    {117, 17, Amount, "C3I02", "02"},
    {134, 17, Amount, "C3I03", "03"},
    {151, 8, Count, "C3I04", "04"},
    {159, 17, Amount, "C3I05", "05"},
    {176, 17, Amount, "C3I06", "06"},
    {193, 8, Count, "C3II01", "07"},
    {201, 17, Amount, "C3II02", "08"},
    {218, 17, Amount, "C3II03", "09"},
    {235, 8, Count, "C3II04", "10"},
    {243, 17, Amount, "C3II05", "11"},
    {260, 17, Amount, "C3II06", "12"},
    {277, 8, Count, "C3III01", "13"},
    {285, 17, Amount, "C3III02", "14"},
    {302, 17, Amount, "C3III03", "15"},
    {319, 8, Count, "C3III04", "16"},
    {327, 17, Amount, "C3III05", "17"},
    {344, 17, Amount, "C3III06", "18"},
    {361, 8, Count, "C3IV01", "19"},
    {369, 17, Amount, "C3IV02", "20"},
    {386, 17, Amount, "C3IV03", "21"},
    {403, 8, Count, "C3IV04", "22"},
    {411, 17, Amount, "C3IV05", "23"},
    {428, 17, Amount, "C3IV06", "24"},
    {445, 8, Count, "C3V01", "25"},
    {453, 17, Amount, "C3V02", "26"},
    {470, 17, Amount, "C3V03", "27"},
    {487, 17, Amount, "C3T01", "28"},
    {504, 17, Amount, "C3T02", "29"},
    {521, 17, Amount, "C3T03", "30"},
    {538, 1, Rule, "complementaria"},
    {539, 13, Text, "C602"},
    {552, 1, Blanks},
    {553, 34, Rule, "iban"},
    {587, 389, Blanks},
    {976, 13, Blanks},
    {989, 12, Const, "</T11101000>"},
};

const layout::Table kPaginas[] = {{"página 1", 1000, kPagina1}};

const ComputedBox kCalculadas[] = {
    // Box 28: the withholdings and payments on account of boxes 03 to 27.
    {"C3T01",
     {"C3I03", "C3I06", "C3II03", "C3II06", "C3III03", "C3III06", "C3IV03", "C3IV06", "C3V03"},
     formula::sum},
    // Box 30 := 28 - 29.
    {"C3T03", {"C3T01", "C3T02"}, formula::difference},
    // The payment follows box 30.
    {"C401", {"C3T03"}, formula::copy},
};

// The monetary row each capture key fills: recipients, amount, withholdings.
struct Captura {
    const char* clave;
    const char* perceptores;
    const char* importe;
    const char* retencion;
};
const Captura kCapturas[] = {
    {"A", "C3I01", "C3I02", "C3I03"},
    {"G", "C3II01", "C3II02", "C3II03"},
    {"K", "C3III01", "C3III02", "C3III03"},
    {"J", "C3IV01", "C3IV02", "C3IV03"},
};

} // namespace

const PeriodicReturn::Model TDMM111::kModelo = {
    QStringLiteral("111"),
    QStringLiteral("T_MOD111"),
    {"CONTRIBUYENTE", "PERIODO", "TIPO",    "C3I01",   "C3I02",   "C3I03",   "C3I04",
     "C3I05",         "C3I06",   "C3II01",  "C3II02",  "C3II03",  "C3II04",  "C3II05",
     "C3II06",        "C3III01", "C3III02", "C3III03", "C3III04", "C3III05", "C3III06",
     "C3IV01",        "C3IV02",  "C3IV03",  "C3IV04",  "C3IV05",  "C3IV06",  "C3V01",
     "C3V02",         "C3V03",   "C3T01",   "C3T02",   "C3T03",   "C401",    "C501",
     "C602",          "IBAN"},
    periods::kTrimestres,
    QStringLiteral("1.0"),
    QString(),
    QStringLiteral("No se puede crear el fichero MOD111.TXT"),
    kPaginas,
    kCalculadas,
    [](TDMMain& main) -> std::unique_ptr<PeriodicReturn> { return std::make_unique<TDMM111>(main); },
};

TDMM111::TDMM111(TDMMain& main) : PeriodicReturn(main, kModelo) {
    capturaPorFechas(QStringLiteral("pa_mod110"));
}

void TDMM111::QMaestroNewRecord() {
    InicializaCampos();
    campo(QStringLiteral("C501")).setAsInteger(0);
    campo(QStringLiteral("TIPO")).setAsString(QStringLiteral("I"));
    campo(QStringLiteral("PERIODO")).setAsString(QStringLiteral("00"));
}

void TDMM111::DatosContribuyente() {
    leeContribuyente(
        QStringLiteral("select fp, iban, sin_actividad from t_contribuyentes "
                       "where contribuyente = :contribuyente"),
        [this](db::Statement& row) {
            const bool domiciliado = row.field(QStringLiteral("FP")).asInteger() == 3;
            campo(QStringLiteral("TIPO"))
                .setAsString(domiciliado ? QStringLiteral("U") : QStringLiteral("I"));
            campo(QStringLiteral("C501"))
                .setAsInteger(row.field(QStringLiteral("SIN_ACTIVIDAD")).asInteger());
            campo(QStringLiteral("IBAN")).setAsString(row.field(QStringLiteral("IBAN")).asString());
        });
}

// Only the monetary rows of the keys the model knows; a later row of a key wins.
void TDMM111::AsignaCasillas() {
    for (xDatosConta.first(); !xDatosConta.eof(); xDatosConta.next()) {
        const QString clave = xDatosConta.field(QStringLiteral("CLAVE")).asString();
        for (const Captura& c : kCapturas) {
            if (clave != QLatin1String(c.clave))
                continue;
            campo(QLatin1String(c.perceptores))
                .setAsInteger(xDatosConta.field(QStringLiteral("PERCEPTORES")).asInteger());
            campo(QLatin1String(c.importe))
                .setAsFloat(xDatosConta.field(QStringLiteral("IMPORTE")).asFloat());
            campo(QLatin1String(c.retencion))
                .setAsFloat(xDatosConta.field(QStringLiteral("RETENCION")).asFloat());
        }
    }
}

QString TDMM111::Regla(const QString& nombre) {
    // A stored earlier receipt makes the declaration complementary.
    if (nombre == u"complementaria")
        return campo(QStringLiteral("C602")).asString().trimmed().isEmpty() ? QStringLiteral(" ")
                                                                             : QStringLiteral("X");
    return PeriodicReturn::Regla(nombre);
}

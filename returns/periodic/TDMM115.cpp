#include "returns/periodic/TDMM115.h"

namespace {

using enum layout::Kind;

const layout::Row kPagina1[] = {
    {1, 12, Const, "<T11501000> "},
    {13, 1, Text, "TIPO"},
    {14, 9, Text, "NIF"},
    {23, 60, Text, "APELLIDOS"},
    {83, 20, Text, "NOMBRE"},
    {103, 4, Const, "2018"},
    {107, 2, Text, "PERIODO"},
    {109, 15, Count, "C301", "01"},
    {124, 17, Amount, "C302", "02"},
    {141, 17, Amount, "C303", "03"},
    {158, 17, Amount, "C304", "04"},
    {175, 17, Amount, "C305", "05"},
    {192, 1, Mark, "ES_COMPLEMENTARIA"},
    {193, 13, Text, "C402"},
    {206, 34, Rule, "iban"},
    {240, 236, Blanks},
    {476, 13, Blanks},
    {489, 12, Const, "</T11501000>"},
};

const layout::Table kPaginas[] = {{"página 1", 500, kPagina1}};

const ComputedBox kCalculadas[] = {
    {"C305", {"C303", "C304"}, formula::difference}, // box 05 := 03 - 04
    {"C502", {"C305"}, formula::copy},                // the payment follows box 05
};

} // namespace

const PeriodicReturn::Model TDMM115::kModelo = {
    QStringLiteral("115"),
    QStringLiteral("T_MOD115"),
    {"CONTRIBUYENTE", "PERIODO", "TIPO", "C301", "C302", "C303", "C304", "C305", "C402", "C501",
     "C502", "ES_COMPLEMENTARIA", "IBAN"},
    periods::kTrimestresYMeses,
    QStringLiteral("1.0"),
    QString(),
    QStringLiteral("No se puede crear el fichero de impresión MOD115.TXT"),
    kPaginas,
    kCalculadas,
    [](TDMMain& main) -> std::unique_ptr<PeriodicReturn> { return std::make_unique<TDMM115>(main); },
};

TDMM115::TDMM115(TDMMain& main) : PeriodicReturn(main, kModelo) {
    capturaPorFechas(QStringLiteral("pa_mod115"));
}

// The period is not preset: the user chooses it.
void TDMM115::QMaestroNewRecord() {
    InicializaCampos();
    campo(QStringLiteral("C501")).setAsInteger(0);
    campo(QStringLiteral("TIPO")).setAsString(QStringLiteral("U"));
    campo(QStringLiteral("ES_COMPLEMENTARIA")).setAsInteger(0);
}

// Only the procedure's first row.
void TDMM115::AsignaCasillas() {
    xDatosConta.first();
    if (xDatosConta.eof())
        return;
    campo(QStringLiteral("C301"))
        .setAsInteger(xDatosConta.field(QStringLiteral("PERCEPTORES")).asInteger());
    campo(QStringLiteral("C302")).setAsFloat(xDatosConta.field(QStringLiteral("IMPORTE")).asFloat());
    campo(QStringLiteral("C303"))
        .setAsFloat(xDatosConta.field(QStringLiteral("RETENCION")).asFloat());
}

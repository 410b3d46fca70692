#include "returns/periodic/TDMM123.h"

namespace {

using enum layout::Kind;

const layout::Row kPagina1[] = {
    {1, 12, Const, "<T12301000> "},
    {13, 1, Text, "TIPO"},
    {14, 9, Text, "NIF"},
    {23, 60, Text, "APELLIDOS"},
    {83, 20, Text, "NOMBRE"},
    {103, 4, Const, "2018"},
    {107, 2, Text, "PERIODO"},
    {109, 15, Count, "C01", "01"},
    {124, 17, Amount, "C02", "02"},
    {141, 17, Amount, "C03", "03"},
    {158, 17, Amount, "C04", "04"},
    {175, 17, Amount, "C05", "05"},
    {192, 17, Amount, "C06", "06"},
    {209, 17, Amount, "C07", "07"},
    {226, 17, Amount, "C08", "08"},
    {243, 1, Mark, "ES_COMPLEMENTARIA"},
    {244, 13, Text, "C602"},
    {257, 34, Rule, "iban"},
    {291, 185, Blanks},
    {476, 13, Blanks},
    {489, 12, Const, "</T12301000>"},
};

const layout::Table kPaginas[] = {{"página 1", 500, kPagina1}};

const ComputedBox kCalculadas[] = {
    {"C06", {"C03", "C05"}, formula::sum}, // box 04 takes no part
    {"C08", {"C06", "C07"}, formula::difference},
    {"C4I", {"C08"}, formula::copy}, // the payment follows box 08
};

} // namespace

const PeriodicReturn::Model TDMM123::kModelo = {
    QStringLiteral("123"),
    QStringLiteral("T_MOD123"),
    {"CONTRIBUYENTE", "PERIODO", "TIPO", "C01", "C02", "C03", "C04", "C05", "C06", "C07", "C08",
     "C4I", "ES_COMPLEMENTARIA", "C602", "IBAN"},
    periods::kTrimestresYMeses,
    QStringLiteral("1.0"),
    QString(),
    QStringLiteral("No se puede crear el fichero de impresión MOD123.TXT"),
    kPaginas,
    kCalculadas,
    [](TDMMain& main) -> std::unique_ptr<PeriodicReturn> { return std::make_unique<TDMM123>(main); },
};

TDMM123::TDMM123(TDMMain& main) : PeriodicReturn(main, kModelo) {}

void TDMM123::QMaestroNewRecord() {
    InicializaCampos();
    campo(QStringLiteral("C01")).setAsInteger(0);
    campo(QStringLiteral("TIPO")).setAsString(QStringLiteral("U"));
    campo(QStringLiteral("ES_COMPLEMENTARIA")).setAsInteger(0);
}

#include "returns/periodic/TDMM131.h"

namespace {

using enum layout::Kind;

// Five activities, each its heading, net yield, percentage and result; then the boxes. The
// account comes before the complementary mark in this model.
const layout::Row kPagina1[] = {
    {1, 12, Const, "<T13101000> "},
    {13, 1, Text, "TIPO"},
    {14, 9, Text, "NIF"},
    {23, 60, Text, "APELLIDOS"},
    {83, 20, Text, "NOMBRE"},
    {103, 4, Const, "2018"},
    {107, 1, Text, "PERIODO"},
    {108, 1, Const, "T"},
    {109, 4, Text, "C3I01A1"},
    {113, 17, Amount, "C3I02A1"},
    {130, 5, Percent, "C3I03A1"},
    {135, 17, Amount, "C3I04A1"},
    {152, 4, Text, "C3I01A2"},
    {156, 17, Amount, "C3I02A2"},
    {173, 5, Percent, "C3I03A2"},
    {178, 17, Amount, "C3I04A2"},
    {195, 4, Text, "C3I01A3"},
    {199, 17, Amount, "C3I02A3"},
    {216, 5, Percent, "C3I03A3"},
    {221, 17, Amount, "C3I04A3"},
    {238, 4, Text, "C3I01A4"},
    {242, 17, Amount, "C3I02A4"},
    {259, 5, Percent, "C3I03A4"},
    {264, 17, Amount, "C3I04A4"},
    {281, 4, Text, "C3I01A5"},
    {285, 17, Amount, "C3I02A5"},
    {302, 5, Percent, "C3I03A5"},
    {307, 17, Amount, "C3I04A5"},
    {324, 17, Amount, "C301", "01"},
    {341, 17, Amount, "C302", "02"},
    {358, 17, Amount, "C303", "03"},
    {375, 17, Amount, "C304", "04"},
    {392, 17, Amount, "C305", "05"},
    {409, 17, Amount, "C306", "06"},
    {426, 17, Amount, "C307", "07"},
    {443, 17, Amount, "C308", "08"},
    {460, 17, Amount, "C309", "09"},
    {477, 17, Amount, "C310", "10"},
    {494, 17, Amount, "C311", "11"},
    {511, 17, Amount, "C312", "12"},
    {528, 17, Amount, "C313", "13"},
    {545, 17, Amount, "C314", "14"},
    {562, 17, Amount, "C315", "15"},
    {579, 34, Rule, "iban"},
    {613, 1, Mark, "ES_COMPLEMENTARIA"},
    {614, 13, Text, "JUSTIFICANTE"},
    {627, 100, Blanks},
    {727, 13, Blanks},
    {740, 12, Const, "</T13101000>"},
};

const layout::Table kPaginas[] = {{"página 1", 751, kPagina1}};

const ComputedBox kCalculadas[] = {
    {"C3I04A1", {"C3I02A1", "C3I03A1"}, formula::percentage},
    {"C3I04A2", {"C3I02A2", "C3I03A2"}, formula::percentage},
    {"C3I04A3", {"C3I02A3", "C3I03A3"}, formula::percentage},
    {"C3I04A4", {"C3I02A4", "C3I03A4"}, formula::percentage},
    {"C3I04A5", {"C3I02A5", "C3I03A5"}, formula::percentage},
    // Box 01 follows the net yields themselves, so a yield at 0 % still counts.
    {"C301", {"C3I02A1", "C3I02A2", "C3I02A3", "C3I02A4", "C3I02A5"}, formula::sum},
    {"C302", {"C3I04A1", "C3I04A2", "C3I04A3", "C3I04A4", "C3I04A5"}, formula::sum},
    {"C304", {"C303"}, formula::twoPercent},
    {"C306", {"C305"}, formula::twoPercent},
    {"C307", {"C302", "C304", "C306"}, formula::sum},
    {"C310", {"C307", "C308", "C309"}, formula::difference},
    {"C313", {"C310", "C311", "C312"}, formula::difference},
    {"C315", {"C313", "C314"}, formula::difference},
};

} // namespace

const PeriodicReturn::Model TDMM131::kModelo = {
    QStringLiteral("131"),
    QStringLiteral("T_MOD131"),
    {
     "CONTRIBUYENTE", "PERIODO", "TIPO", "C3I01A1", "C3I01A2", "C3I01A3",
     "C3I01A4", "C3I01A5", "C3I02A1", "C3I02A2", "C3I02A3", "C3I02A4",
     "C3I02A5", "C3I03A1", "C3I03A2", "C3I03A3", "C3I03A4", "C3I03A5",
     "C3I04A1", "C3I04A2", "C3I04A3", "C3I04A4", "C3I04A5", "C301",
     "C302", "C303", "C304", "C305", "C306", "C307",
     "C308", "C309", "C310", "C311", "C312", "C313",
     "C314", "C315", "IBAN", "ES_COMPLEMENTARIA", "JUSTIFICANTE",
    },
    periods::kTrimestresNumero,
    QStringLiteral("1.1a"),
    QStringLiteral("T"),
    QStringLiteral("No se puede crear el fichero de impresión MOD131.TXT"),
    kPaginas,
    kCalculadas,
    [](TDMMain& main) -> std::unique_ptr<PeriodicReturn> { return std::make_unique<TDMM131>(main); },
};

TDMM131::TDMM131(TDMMain& main) : PeriodicReturn(main, kModelo) {}

void TDMM131::QMaestroNewRecord() {
    InicializaCampos();
    for (int actividad = 1; actividad <= 5; ++actividad)
        campo(QStringLiteral("C3I03A%1").arg(actividad)).setAsFloat(0);
    campo(QStringLiteral("TIPO")).setAsString(QStringLiteral("U"));
    campo(QStringLiteral("ES_COMPLEMENTARIA")).setAsInteger(0);
}

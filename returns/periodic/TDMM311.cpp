#include "returns/periodic/TDMM311.h"

#include "util/Cents.h"

namespace {

using enum layout::Kind;

// Only the first three activities and agricultural activities are written; the fourth
// counts in box 01.
const layout::Row kRegistro[] = {
    {1, 6, Const, "31101 "},
    {7, 1, Rule, "tipo"},
    {8, 141, Rule, "identificacion completa"},
    {149, 4, Const, "2018"},
    {153, 5, Text, "C3I01A1"},
    {158, 13, Amount, "C3I02A1"},
    {171, 5, Text, "C3I01A2"},
    {176, 13, Amount, "C3I02A2"},
    {189, 5, Text, "C3I01A3"},
    {194, 13, Amount, "C3I02A3"},
    {207, 50, Text, "C3AGP1"},
    {257, 13, Amount, "C3AGPC1"},
    {270, 50, Text, "C3AGP2"},
    {320, 13, Amount, "C3AGPC2"},
    {333, 50, Text, "C3AGP3"},
    {383, 13, Amount, "C3AGPC3"},
    {396, 13, Amount, "C301", "01"},
    {409, 13, Amount, "C302", "02"},
    {422, 13, Amount, "C303", "03"},
    {435, 13, Amount, "C304", "04"},
    {448, 13, Amount, "C305", "05"},
    {461, 13, Amount, "C306", "06"},
    {474, 13, Amount, "C307", "07"},
    {487, 13, Amount, "C308", "08"},
    {500, 13, Amount, "C309", "09"},
    {513, 13, Amount, "C310", "10"},
    {526, 13, Amount, "C311", "11"},
    {539, 13, Amount, "C312", "12"},
    {552, 13, Amount, "C313", "13"},
    {565, 13, Amount, "C314", "14"},
    {578, 13, Amount, "C315", "15"},
    {591, 13, Amount, "C316", "16"},
    {604, 13, Amount, "C401"},
    {617, 13, Amount, "C6D"},
    {630, 20, Text, "C6CCC"},
    {650, 1, Text, "C701"},
    {651, 13, Amount, "C702"},
    {664, 20, Text, "C7CCC"},
    {684, 16, Text, "C6"},
    {700, 13, Text, "C802"},
    {713, 100, Text, "CONTACTO"},
    {813, 9, Text, "TELEFONO"},
    {822, 350, Text, "NOTAS"},
    {1172, 16, Text, "C901"},
    {1188, 2, Text, "C902"},
    {1190, 10, Text, "C903"},
    {1200, 4, Text, "C904"},
};

const layout::Table kPaginas[] = {{"registro", 1203, kRegistro}};

const ComputedBox kCalculadas[] = {
    {"C301", {"C3I02A1", "C3I02A2", "C3I02A3", "C3I02A4", "C3AGPC1", "C3AGPC2", "C3AGPC3", "C3AGPC4"}, formula::sum},
    {"C303", {"C301", "C302"}, formula::difference},
    {"C307", {"C303", "C304", "C305", "C306"}, formula::sum},
    {"C310", {"C308", "C309"}, formula::sum},
    {"C311", {"C307", "C310"}, formula::difference},
    {"C313", {"C311", "C312"}, formula::difference},
    {"C316", {"C313", "C315"}, formula::difference},
};

const std::span<const periods::Period> kSinPeriodo;

} // namespace

const PeriodicReturn::Model TDMM311::kModelo = {
    QStringLiteral("311"),
    QStringLiteral("T_MOD374"),
    {
     "CONTRIBUYENTE", "C3I01A1", "C3I01A2", "C3I01A3", "C3I01A4", "C3I02A1",
     "C3I02A2", "C3I02A3", "C3I02A4", "C3AGP1", "C3AGP2", "C3AGP3",
     "C3AGP4", "C3AGPC1", "C3AGPC2", "C3AGPC3", "C3AGPC4", "C301",
     "C302", "C303", "C304", "C305", "C306", "C307",
     "C308", "C309", "C310", "C311", "C312", "C313",
     "C314", "C315", "C316", "C401", "C501", "C6D",
     "C6CCC", "C701", "C702", "C7CCC", "C801", "C802",
     "C901", "C902", "C903", "C904", "ESTADO", "C6",
     "CONTACTO", "TELEFONO", "NOTAS", "TIPO",
    },
    kSinPeriodo,
    QString(),
    QString(),
    QStringLiteral("No se puede crear el fichero de impresión MOD311.TXT"),
    kPaginas,
    kCalculadas,
    [](TDMMain& main) -> std::unique_ptr<PeriodicReturn> { return std::make_unique<TDMM311>(main); },
    nullptr,
    Model::Presentacion::Impresion,
};

TDMM311::TDMM311(TDMMain& main) : SimplifiedVatReturn(main, kModelo, QStringLiteral("C701")) {
    QMaestro.onFieldChange({QStringLiteral("C316")}, [this](db::Field&) { Casilla4C(); });
    QMaestro.onFieldChange({QStringLiteral("C401")}, [this](db::Field&) { QMaestroC401Change(); });
    QMaestro.onFieldChange({QStringLiteral("C6D")}, [this](db::Field&) { QMaestroC6DChange(); });
    // Complementary when it names the earlier declaration.
    QMaestro.beforePost.add([this](db::DataSet&) {
        campo(QStringLiteral("C801")).setAsInteger(campo(QStringLiteral("C802")).isNull() ? 0 : 1);
    });
}

void TDMM311::QMaestroNewRecord() {
    SimplifiedVatReturn::QMaestroNewRecord();
    campo(QStringLiteral("C801")).setAsInteger(0);
    campo(QStringLiteral("TIPO")).setAsInteger(0);
}

// A positive result is paid; a negative one is compensated. A result that turns positive
// leaves an earlier compensation for the user to clear.
void TDMM311::Casilla4C() {
    const double resultado = campo(QStringLiteral("C316")).asFloat();
    if (util::cents(resultado) >= 0)
        campo(QStringLiteral("C702")).setAsFloat(resultado);
    else
        campo(QStringLiteral("C401")).setAsFloat(-resultado);
}

// What is compensated is neither paid nor refunded.
void TDMM311::QMaestroC401Change() {
    if (util::cents(campo(QStringLiteral("C401")).asFloat()) <= 0)
        return;
    campo(QStringLiteral("C701")).setAsInteger(0);
    campo(QStringLiteral("C702")).setAsFloat(0);
    campo(QStringLiteral("C7CCC")).clear();
    campo(QStringLiteral("C6CCC")).clear();
    campo(QStringLiteral("C6D")).setAsFloat(0);
}

// A refund goes to the taxpayer's account and compensates nothing.
void TDMM311::QMaestroC6DChange() {
    if (util::cents(campo(QStringLiteral("C6D")).asFloat()) <= 0)
        return;
    campo(QStringLiteral("C401")).setAsFloat(0);
    campo(QStringLiteral("C6CCC")).setAsString(cuentaContribuyente());
}

QString TDMM311::periodoListado() {
    return QStringLiteral("4T");
}

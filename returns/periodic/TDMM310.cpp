#include "returns/periodic/TDMM310.h"

#include "util/Cents.h"
#include "util/Error.h"

namespace {

using enum layout::Kind;

const layout::Row kRegistro[] = {
    {1, 6, Const, "31001 "},
    {7, 1, Rule, "tipo"},
    {8, 63, Rule, "identificacion corta"},
    {71, 4, Const, "2018"},
    {75, 1, Text, "PERIODO"},
    {76, 1, Const, "T"},
    {77, 5, Text, "C3I01A1"},
    {82, 13, Amount, "C3I02A1"},
    {95, 5, Text, "C3I01A2"},
    {100, 13, Amount, "C3I02A2"},
    {113, 5, Text, "C3I01A3"},
    {118, 13, Amount, "C3I02A3"},
    {131, 5, Text, "C3I01A4"},
    {136, 13, Amount, "C3I02A4"},
    {149, 5, Blanks}, // a fifth activity
    {154, 13, Zeros},
    {167, 50, Text, "C3AGP1"},
    {217, 13, Amount, "C3AGPC1"},
    {230, 50, Text, "C3AGP2"},
    {280, 13, Amount, "C3AGPC2"},
    {293, 50, Text, "C3AGP3"},
    {343, 13, Amount, "C3AGPC3"},
    {356, 50, Text, "C3AGP4"},
    {406, 13, Amount, "C3AGPC4"},
    {419, 13, Amount, "C301", "01"},
    {432, 13, Amount, "C302", "02"},
    {445, 13, Amount, "C303", "03"},
    {458, 13, Amount, "C304", "04"},
    {471, 13, Amount, "C305", "05"},
    {484, 13, Amount, "C306", "06"},
    {497, 13, Amount, "C307", "07"},
    {510, 13, Amount, "C308", "08"},
    {523, 13, Amount, "C309", "09"},
    {536, 13, Amount, "C310", "10"},
    {549, 13, Amount, "C311", "11"},
    {562, 13, Amount, "C312", "12"},
    {575, 13, Amount, "C401"},
    {588, 16, Text, "C601"},
    {604, 13, Text, "C602"},
    {617, 100, Text, "CONTACTO"},
    {717, 9, Text, "TELEFONO"},
    {726, 350, Text, "NOTAS"},
    {1076, 13, Amount, "C701"},
    {1089, 1, Text, "C402"},
    {1090, 20, Text, "C7CCC"},
    {1110, 20, Text, "C901"},
    {1130, 2, Text, "C902"},
    {1132, 10, Text, "C903"},
    {1142, 4, Text, "C904"},
};

const layout::Table kPaginas[] = {{"registro", 1145, kRegistro}};

// The form lets the user type over every computed box; the next change of an input
// computes it again.
const ComputedBox kCalculadas[] = {
    {"C301", {"C3I02A1", "C3I02A2", "C3I02A3", "C3I02A4", "C3AGPC1", "C3AGPC2", "C3AGPC3", "C3AGPC4"}, formula::sum, true},
    {"C305", {"C301", "C302", "C303", "C304"}, formula::sum, true},
    {"C307", {"C305", "C306"}, formula::difference, true},
    {"C309", {"C307", "C308"}, formula::difference, true},
    {"C312", {"C309", "C311"}, formula::difference, true},
};

} // namespace

const PeriodicReturn::Model TDMM310::kModelo = {
    QStringLiteral("310"),
    QStringLiteral("T_MOD313"),
    {
     "CONTRIBUYENTE", "PERIODO", "C3I01A1", "C3I01A2", "C3I01A3", "C3I01A4",
     "C3I02A1", "C3I02A2", "C3I02A3", "C3I02A4", "C3AGP1", "C3AGP2",
     "C3AGP3", "C3AGP4", "C3AGPC1", "C3AGPC2", "C3AGPC3", "C3AGPC4",
     "C301", "C302", "C303", "C304", "C305", "C306",
     "C307", "C308", "C309", "C310", "C311", "C312",
     "C401", "C402", "C601", "C602", "C701", "C7CCC",
     "C901", "C902", "C903", "C904", "ESTADO", "CONTACTO",
     "TELEFONO", "NOTAS", "TIPO",
    },
    periods::kTrimestresNumero,
    QString(),
    QStringLiteral("T"),
    QStringLiteral("No se puede crear el fichero de impresión MOD310.TXT"),
    kPaginas,
    kCalculadas,
    [](TDMMain& main) -> std::unique_ptr<PeriodicReturn> { return std::make_unique<TDMM310>(main); },
    nullptr,
    Model::Presentacion::Impresion,
};

TDMM310::TDMM310(TDMMain& main) : SimplifiedVatReturn(main, kModelo, QStringLiteral("C402")) {
    QMaestro.onFieldChange({QStringLiteral("C312")}, [this](db::Field&) { CasillaC(); });
}

// The result decides what is paid, compensated or declared negative, on its cents.
void TDMM310::CasillaC() {
    const double resultado = campo(QStringLiteral("C312")).asFloat();
    const qint64 centimos = util::cents(resultado);
    campo(QStringLiteral("C401")).setAsFloat(centimos < 0 ? -resultado : 0);
    campo(QStringLiteral("C701")).setAsFloat(centimos > 0 ? resultado : 0);
    if (centimos < 0)
        campo(QStringLiteral("C402")).setAsInteger(0);
    campo(QStringLiteral("TIPO")).setAsInteger(centimos < 0 ? 1 : 0);
}

// The agency's printing tool knows the four quarters only.
void TDMM310::CompruebaDeclaracion() {
    if (!model().periodoValido(campo(QStringLiteral("PERIODO")).asString()))
        throw tributra::Error(QStringLiteral("El período debe ser un trimestre, del 1 al 4"));
}

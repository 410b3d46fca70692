#include "returns/periodic/TDMM202.h"

#include "util/UUtiles.h"

namespace {

using enum layout::Kind;

const layout::Row kPagina1[] = {
    {1, 12, Const, "<T20201000> "},
    {13, 1, Text, "TIPO"},
    {14, 9, Text, "NIF"},
    {23, 60, Text, "APELLIDOS"},
    {83, 20, Text, "NOMBRE"},
    {103, 4, Const, "2018"},
    {107, 1, Text, "PERIODO"},
    {108, 1, Const, "P"},
    {109, 8, DateDMY, "D2_FECHA_INICIO"},
    {117, 4, Count, "D2_CNAE"}, // a code kept as a number keeps its leading zeros
    {121, 1, Mark, "DA_3_LEY_49_2002"},
    {122, 1, Mark, "DA_3_LEY_11_2009"},
    {123, 1, Mark, "DA_3_POS_123"},
    {124, 1, Mark, "DA_3_POS_124"},
    {125, 1, Mark, "DA_3_POS_125"},
    {126, 1, Count, "DA_3_POS_126"},
    {127, 5, Rule, "tipo de gravamen"},
    {132, 1, Count, "DA_3_POS_132"},
    {133, 1, Mark, "DA_3_POS_133"},
    {134, 17, Amount, "LIQA01", "01"},
    {151, 17, Amount, "LIQA02", "02"},
    {168, 17, Amount, "LIQA03", "03"},
    {185, 17, Amount, "LIQB04", "04"},
    {202, 17, Amount, "LIQB05", "05"},
    {219, 17, Amount, "LIQB06", "06"},
    {236, 17, Amount, "LIQB37", "37"},
    {253, 17, Amount, "LIQB07", "07"},
    {270, 17, Amount, "LIQB08", "08"},
    {287, 17, Amount, "LIQB38", "38"},
    {304, 17, Amount, "LIQB39", "39"},
    {321, 17, Amount, "LIQB13", "13"},
    {338, 17, Amount, "LIQB44", "44"},
    {355, 17, Amount, "LIQB14", "14"},
    {372, 17, Amount, "LIQB45", "45"},
    {389, 17, Amount, "LIQB46", "46"},
    {406, 17, Amount, "LIQB16", "16"},
    {423, 5, Percent, "LIQB17", "17"},
    {428, 17, Amount, "LIQB47", "47"},
    {445, 17, Amount, "LIQB40", "40"},
    {462, 17, Amount, "LIQB48", "48"},
    {479, 17, Amount, "LIQB49", "49"},
    {496, 17, Amount, "LIQB18", "18"},
    {513, 176, Blanks},
    {689, 12, Const, "</T20201000>"},
};

const layout::Row kPagina2[] = {
    {1, 12, Const, "<T20202000> "},
    {13, 17, Amount, "LIQB19", "19"},
    {30, 17, Amount, "LIQB20", "20"},
    {47, 5, Percent, "LIQB21", "21"},
    {52, 17, Amount, "LIQB22", "22"},
    {69, 17, Amount, "LIQB23", "23"},
    {86, 5, Percent, "LIQB24", "24"},
    {91, 17, Amount, "LIQB25", "25"},
    {108, 17, Amount, "LIQB50", "50"},
    {125, 17, Amount, "LIQB42", "42"},
    {142, 17, Amount, "LIQB51", "51"},
    {159, 17, Amount, "LIQB52", "52"},
    {176, 17, Amount, "LIQB26", "26"},
    {193, 17, Amount, "LIQB27", "27"},
    {210, 17, Amount, "LIQB28", "28"},
    {227, 5, Percent, "LIQB29", "29"},
    {232, 17, Amount, "LIQB30", "30"},
    {249, 17, Amount, "LIQB31", "31"},
    {266, 17, Amount, "LIQB32", "32"},
    {283, 17, Amount, "LIQB33", "33"},
    {300, 17, Amount, "LIQB34", "34"},
    {317, 1, Mark, "IA_5_DATOS_ADICIONAL"},
    {318, 22, Text, "IA_5_NRS"},
    {340, 17, Amount, "IA_5_P340"},
    {357, 17, Amount, "IA_5_P357"},
    {374, 17, Amount, "IA_5_P374"},
    {391, 17, Amount, "IA_5_P391"},
    {408, 17, Amount, "IA_5_P408"},
    {425, 17, Amount, "IA_5_P425"},
    {442, 17, Amount, "IA_5_P442"},
    {459, 17, Amount, "IA_5_P459"},
    {476, 17, Amount, "IA_5_P476"},
    {493, 17, Amount, "IA_5_P493"},
    {510, 17, Amount, "IA_5_P510"},
    {527, 1, Mark, "DC_6"},
    {528, 13, Text, "DC_6_JUSTIFICANTE"},
    {541, 34, Text, "IBAN"}, // whatever the declaration type
    {575, 101, Blanks},
    {676, 13, Blanks},
    {689, 12, Const, "</T20202000>"},
};

const layout::Table kPaginas[] = {{"página 1", 700, kPagina1}, {"página 2", 700, kPagina2}};

const QString kTipoGravamen = QStringLiteral("DA_3_POS_127");

// A tax-rate code of one rate ("00000" to "00030") or of two ("04/25", "20/25", "25/30"),
// as the formulas count it.
constexpr double kUnTipo = 1;

bool unTipo(const QString& codigo) {
    return codigo.startsWith(u"000");
}

double valorTexto(const QString& campo, const QString& texto) {
    return campo == kTipoGravamen && !unTipo(texto) ? 2 : kUnTipo;
}

double anticipo(std::span<const double> v) {
    return 0.18 * v[0] - v[1];
}

// Box 13 := 04 + 38 - 39.
double basePrevia(std::span<const double> v) {
    return v[0] + v[1] - v[2];
}

// Box 16, one rate only: 13 - 14 - 44 + 45 - 46.
double baseUnTipo(std::span<const double> v) {
    return v[0] == kUnTipo ? v[1] - v[2] - v[3] + v[4] - v[5] : 0;
}

// Box 19, two rates only: 13 - 14 - 44.
double baseDosTipos(std::span<const double> v) {
    return v[0] == kUnTipo ? 0 : v[1] - v[2] - v[3];
}

// Box 18 := 16 x 17 / 100 + 47 - 40 + 48 - 49.
double resultadoUnTipo(std::span<const double> v) {
    return v[0] * v[1] / 100 + v[2] - v[3] + v[4] - v[5];
}

// Box 26 := 22 + 25 + 50 - 42 + 51 - 52.
double resultadoDosTipos(std::span<const double> v) {
    return v[0] + v[1] + v[2] - v[3] + v[4] - v[5];
}

// Box 32: the method's previous result less 27, 28, 30 and 31; then, when box 29 holds the
// share of operations in the common territory, that share of it.
double resultado(std::span<const double> v) {
    const double previo = (v[0] == kUnTipo ? v[1] : v[2]) - formula::sum(v.subspan(3, 4));
    return v[7] != 0 ? previo * v[7] / 100 : previo;
}

const ComputedBox kCalculadas[] = {
    {"LIQA03", {"LIQA01", "LIQA02"}, anticipo},
    {"LIQB38", {"LIQB05", "LIQB07"}, formula::sum},
    {"LIQB39", {"LIQB06", "LIQB37", "LIQB08"}, formula::sum},
    {"LIQB13", {"LIQB04", "LIQB38", "LIQB39"}, basePrevia},
    {"LIQB16", {kTipoGravamen, "LIQB13", "LIQB14", "LIQB44", "LIQB45", "LIQB46"}, baseUnTipo},
    {"LIQB19", {kTipoGravamen, "LIQB13", "LIQB14", "LIQB44"}, baseDosTipos},
    {"LIQB18", {"LIQB16", "LIQB17", "LIQB47", "LIQB40", "LIQB48", "LIQB49"}, resultadoUnTipo},
    {"LIQB22", {"LIQB20", "LIQB21"}, formula::percentage},
    {"LIQB23", {"LIQB19", "LIQB20"}, formula::difference},
    {"LIQB25", {"LIQB23", "LIQB24"}, formula::percentage},
    {"LIQB26", {"LIQB22", "LIQB25", "LIQB50", "LIQB42", "LIQB51", "LIQB52"}, resultadoDosTipos},
    {"LIQB32",
     {kTipoGravamen, "LIQB18", "LIQB26", "LIQB27", "LIQB28", "LIQB30", "LIQB31", "LIQB29"},
     resultado},
    {"LIQB34", {"LIQB32"}, formula::copy},
};

} // namespace

const PeriodicReturn::Model TDMM202::kModelo = {
    QStringLiteral("202"),
    QStringLiteral("T_MOD202"),
    {
     "CONTRIBUYENTE", "PERIODO", "TIPO", "D2_FECHA_INICIO", "D2_CNAE",
     "DA_3_LEY_49_2002", "DA_3_LEY_11_2009", "DA_3_POS_123", "DA_3_POS_124", "DA_3_POS_125",
     "DA_3_POS_126", "DA_3_POS_127", "DA_3_POS_132", "DA_3_POS_133", "LIQA01",
     "LIQA02", "LIQA03", "LIQB04", "LIQB05", "LIQB06",
     "LIQB37", "LIQB07", "LIQB08", "LIQB38", "LIQB39",
     "LIQB13", "LIQB44", "LIQB14", "LIQB45", "LIQB46",
     "LIQB16", "LIQB17", "LIQB47", "LIQB40", "LIQB48",
     "LIQB49", "LIQB18", "LIQB19", "LIQB20", "LIQB21",
     "LIQB22", "LIQB23", "LIQB24", "LIQB25", "LIQB50",
     "LIQB42", "LIQB51", "LIQB52", "LIQB26", "LIQB27",
     "LIQB28", "LIQB29", "LIQB30", "LIQB31", "LIQB32",
     "LIQB33", "LIQB34", "DC_6", "DC_6_JUSTIFICANTE", "IBAN",
     "IA_5_DATOS_ADICIONAL", "IA_5_NRS", "IA_5_P340", "IA_5_P357", "IA_5_P374",
     "IA_5_P391", "IA_5_P408", "IA_5_P425", "IA_5_P442", "IA_5_P459",
     "IA_5_P476", "IA_5_P493", "IA_5_P510",
    },
    periods::kPagosSociedades,
    QStringLiteral("1.0b"),
    QStringLiteral("P"),
    QStringLiteral("No se ha podido crear el archivo Mod202.TXT"),
    kPaginas,
    kCalculadas,
    [](TDMMain& main) -> std::unique_ptr<PeriodicReturn> { return std::make_unique<TDMM202>(main); },
    valorTexto,
};

TDMM202::TDMM202(TDMMain& main) : PeriodicReturn(main, kModelo) {}

void TDMM202::QMaestroNewRecord() {
    InicializaCampos();
    campo(QStringLiteral("D2_FECHA_INICIO")).setAsDate(QDate(kEjercicio, 1, 1));
    for (const char* indicador :
         {"DA_3_LEY_49_2002", "DA_3_LEY_11_2009", "DA_3_POS_123", "DA_3_POS_124", "DA_3_POS_125",
          "DA_3_POS_126", "DA_3_POS_132", "DA_3_POS_133"})
        campo(QLatin1String(indicador)).setAsInteger(0);
    campo(kTipoGravamen).setAsString(QStringLiteral("00025"));
    campo(QStringLiteral("TIPO")).setAsString(QStringLiteral("U"));
}

double TDMM202::Importe() const {
    auto casilla = [this](const char* nombre) {
        const db::Field* f = QMaestro.findField(QLatin1String(nombre));
        return f ? f->asFloat() : 0;
    };
    const double aIngresar = casilla("LIQB34");
    const double articulo402 = casilla("LIQA03");
    return aIngresar >= articulo402 ? aIngresar : articulo402;
}

// Blanks for no rate, the rate's two digits for one, the code itself for two.
QString TDMM202::Regla(const QString& nombre) {
    if (nombre != u"tipo de gravamen")
        return PeriodicReturn::Regla(nombre);
    const QString codigo = campo(kTipoGravamen).asString();
    if (!unTipo(codigo))
        return UUtiles::RellenaDerecha(codigo, 5);
    return UUtiles::RellenaDerecha(codigo == u"00000" ? QString() : codigo.mid(3, 2), 5);
}

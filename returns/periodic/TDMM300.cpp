#include "returns/periodic/TDMM300.h"

#include "config/TDMMain.h"
#include "util/Cents.h"
#include "util/Error.h"
#include "util/UUtiles.h"

namespace {

using enum layout::Kind;

const layout::Row kPagina1[] = {
    {1, 12, Const, "<T30301000> "},
    {13, 1, Text, "TIPO"},
    {14, 9, Text, "NIF"},
    {23, 60, Text, "APELLIDOS"},
    {83, 20, Text, "NOMBRE"},
    {103, 4, Const, "2018"},
    {107, 2, Text, "PERIODO"},
    {109, 1, Count, "RDM"},
    {110, 1, Rule, "simplificado"},
    {111, 1, Count, "ES_CONJUNTA"},
    {112, 1, Count, "ES_CONCURSO_ACREEDORES"},
    {113, 8, Date, "FECHA_CONCURSO"},
    {121, 1, Text, "AUTO_CONCURSO"},
    {122, 1, Count, "RECC"},
    {123, 1, Count, "DESTINATARIO_CC"},
    {124, 1, Count, "ES_PRORRATA"},
    {125, 1, Count, "REVOCA_PRORRATA"},
    {126, 17, Amount, "C301", "01"},
    {143, 5, Percent, "C302", "02", "C301"}, // rate, declared with its base
    {148, 17, Amount, "C303", "03"},
    {165, 17, Amount, "C304", "04"},
    {182, 5, Percent, "C305", "05", "C304"}, // rate, declared with its base
    {187, 17, Amount, "C306", "06"},
    {204, 17, Amount, "C307", "07"},
    {221, 5, Percent, "C308", "08", "C307"}, // rate, declared with its base
    {226, 17, Amount, "C309", "09"},
    {243, 17, Amount, "C310", "10"},
    {260, 17, Amount, "C311", "11"},
    {277, 17, Amount, "C312", "12"},
    {294, 17, Amount, "C313", "13"},
    {311, 17, Amount, "C314", "14"},
    {328, 17, Amount, "C315", "15"},
    {345, 17, Amount, "C316", "16"},
    {362, 5, Percent, "C317", "17", "C316"}, // rate, declared with its base
    {367, 17, Amount, "C318", "18"},
    {384, 17, Amount, "C319", "19"},
    {401, 5, Percent, "C320", "20", "C319"}, // rate, declared with its base
    {406, 17, Amount, "C321", "21"},
    {423, 17, Amount, "C322", "22"},
    {440, 5, Percent, "C323", "23", "C322"}, // rate, declared with its base
    {445, 17, Amount, "C324", "24"},
    {462, 17, Amount, "C325", "25"},
    {479, 17, Amount, "C326", "26"},
    {496, 17, Amount, "C327", "27"},
    {513, 17, Amount, "C328", "28"},
    {530, 17, Amount, "C329", "29"},
    {547, 17, Amount, "C330", "30"},
    {564, 17, Amount, "C331", "31"},
    {581, 17, Amount, "C332", "32"},
    {598, 17, Amount, "C333", "33"},
    {615, 17, Amount, "C334", "34"},
    {632, 17, Amount, "C335", "35"},
    {649, 17, Amount, "C336", "36"},
    {666, 17, Amount, "C337", "37"},
    {683, 17, Amount, "C338", "38"},
    {700, 17, Amount, "C339", "39"},
    {717, 17, Amount, "C340", "40"},
    {734, 17, Amount, "C341", "41"},
    {751, 17, Amount, "C342", "42"},
    {768, 17, Amount, "C343", "43"},
    {785, 17, Amount, "C344", "44"},
    {802, 17, Amount, "C345", "45"},
    {819, 17, Amount, "C346", "46"},
    {836, 1, Rule, "ultimo periodo"},
    {837, 1, Const, "2"},
    {838, 1, Const, "2"},
    {839, 579, Blanks},
    {1418, 13, Blanks},
    {1431, 12, Const, "</T30301000>"},
};

// The fourth quarter's information, inside page 3.
const layout::Row kBloque4T[] = {
    {1, 1, Text, "CLAVE_AP"},
    {2, 4, Text, "EPIGRAFE_AP"},
    {6, 5, Rule, "actividad IAE1"},
    {11, 5, Rule, "actividad IAE2"},
    {16, 5, Rule, "actividad IAE3"},
    {21, 5, Rule, "actividad IAE4"},
    {26, 5, Rule, "actividad IAE5"},
    {31, 1, Mark, "MOD347"},
    {32, 17, Amount, "C080", "80"},
    {49, 17, Amount, "C081", "81"},
    {66, 17, Amount, "C082", "93"},
    {83, 17, Amount, "C083", "83"},
    {100, 17, Amount, "C084", "84"},
    {117, 17, Amount, "C085", "85"},
    {134, 17, Amount, "C086", "86"},
    {151, 17, Amount, "C087", "79"},
    {168, 17, Amount, "C088", "88"},
    {185, 1, Const, "0"},
};

// What stands there on any other period, or without the information.
const layout::Row kRelleno4T[] = {
    {1, 5, Const, "0    "},
    {6, 5, Const, "0    "},
    {11, 5, Const, "0    "},
    {16, 5, Const, "0    "},
    {21, 5, Const, "0    "},
    {26, 5, Const, "0    "},
    {31, 1, Blanks},
    {32, 154, Zeros},
};

// The filler first: a block that reads as both is the filler.
const layout::Table kCuartoTrimestre[] = {
    {"relleno del 4º trimestre", 185, kRelleno4T},
    {"información del 4º trimestre", 185, kBloque4T},
};

const layout::Row kPagina3[] = {
    {1, 11, Const, "<T30303000>"},
    {12, 17, Amount, "C359", "59"},
    {29, 17, Amount, "C360", "60"},
    {46, 17, Amount, "C361", "61"},
    {63, 17, Amount, "C362", "62"},
    {80, 17, Amount, "C363", "63"},
    {97, 17, Amount, "C374", "74"},
    {114, 17, Amount, "C375", "75"},
    {131, 17, Amount, "C376", "76"},
    {148, 17, Amount, "C364", "64"},
    {165, 5, Percent, "C365", "65"},
    {170, 4, Zeros},
    {174, 17, Amount, "C366", "66"},
    {191, 17, Amount, "C377", "77"},
    {208, 17, Amount, "C367", "67"},
    {225, 17, Amount, "C368", "68"},
    {242, 17, Amount, "C369", "69"},
    {259, 17, Amount, "C370", "70"},
    {276, 17, Amount, "C371", "71"},
    {293, 1, Mark, "C801"},
    {294, 13, Text, "C802"},
    {307, 1, Mark, "MA"},
    {308, 11, Blanks},
    {319, 34, Text, "IBAN"},
    {353, 185, Rule, "cuarto trimestre", "", "", kCuartoTrimestre},
    {538, 122, Zeros},
    {660, 468, Blanks},
    {1128, 12, Const, "</T30303000>"},
};

const layout::Table kPaginas[] = {{"página 1", 1442, kPagina1}, {"página 3", 1139, kPagina3}};

// Box 69 := 66 + 77 - 67 + 68.
double resultado(std::span<const double> v) {
    return v[0] + v[1] - v[2] + v[3];
}

// Box 88 := 80 + 81 + 93 + 83 + 84 + 85 + 86 - 79.
double volumen(std::span<const double> v) {
    return formula::sum(v.first(7)) - v[7];
}

const ComputedBox kCalculadas[] = {
    {"C303", {"C301", "C302"}, formula::percentage},
    {"C306", {"C304", "C305"}, formula::percentage},
    {"C309", {"C307", "C308"}, formula::percentage},
    {"C318", {"C316", "C317"}, formula::percentage},
    {"C321", {"C319", "C320"}, formula::percentage},
    {"C324", {"C322", "C323"}, formula::percentage},
    // Total accrued quota.
    {"C327",
     {"C303", "C306", "C309", "C311", "C313", "C315", "C318", "C321", "C324", "C326"},
     formula::sum},
    // Total to deduct.
    {"C345",
     {"C329", "C331", "C333", "C335", "C337", "C339", "C341", "C342", "C343", "C344"},
     formula::sum},
    {"C346", {"C327", "C345"}, formula::difference},
    {"C364", {"C346", "C376"}, formula::sum},
    {"C366", {"C364", "C365"}, formula::percentage},
    {"C369", {"C366", "C377", "C367", "C368"}, resultado},
    {"C371", {"C369", "C370"}, formula::difference},
};

const ComputedBox kCalculadas4T[] = {
    {"C088", {"C080", "C081", "C082", "C083", "C084", "C085", "C086", "C087"}, volumen},
};

// The settlement's columns and the boxes they fill, in the settlement's order: each base
// before its quota, so that the settled quota stands over the one computed from the rate.
const std::pair<const char*, const char*> kCaptura[] = {
    {"BASE1", "C301"},
    {"CUOTA1", "C303"},
    {"BASE2", "C304"},
    {"CUOTA2", "C306"},
    {"BASE3", "C307"},
    {"CUOTA3", "C309"},
    {"BASE_REC1", "C316"},
    {"CUOTA_REC1", "C318"},
    {"BASE_REC2", "C319"},
    {"CUOTA_REC2", "C321"},
    {"BASE_REC3", "C322"},
    {"CUOTA_REC3", "C324"},
    {"BASE_ADQ_CEE", "C310"},
    {"CUOTA_ADQ_CEE", "C311"},
    {"BASE_ISP", "C312"},
    {"CUOTA_ISP", "C313"},
    {"BASE_DEV_INCOBRABLE", "C314"},
    {"CUOTA_DEV_INCOBRABLE", "C315"},
    {"BASE_REC_INCOBRABLE", "C325"},
    {"CUOTA_REC_INCOBRABLE", "C326"},
    {"BASE_OP_INT", "C328"},
    {"CUOTA_OP_INT", "C329"},
    {"BASE_OP_BIENES_INV", "C330"},
    {"CUOTA_OP_BIENES_INV", "C331"},
    {"BASE_IMPOR_BIENES", "C332"},
    {"CUOTA_IMPOR_BIENES", "C333"},
    {"BASE_IMPOR_INVERSION", "C334"},
    {"CUOTA_IMPOR_INVERSION", "C335"},
    {"BASE_CEE_BIENSER", "C336"},
    {"CUOTA_CEE_BIENSER", "C337"},
    {"BASE_CEE_INVERSION", "C338"},
    {"CUOTA_CEE_NVERSION", "C339"},
    {"BASE_REC_DEDUCIONES", "C340"},
    {"CUOTA_REC_DEDUCIONES", "C341"},
    {"CUOTA_COMP_AGP", "C342"},
    {"CUOTA_REG_INVERSION", "C343"},
    {"CUOTA_REG_PRORRATA", "C344"},
    {"ENTREGAS_CEE_BYS", "C359"},
    {"EXPORTACIONES", "C360"},
    {"OPERACIONES_ISP", "C361"},
    {"BASE_ENTREGAS_RECC", "C362"},
    {"CUOTAS_ENTREGAS_RECC", "C363"},
    {"BASES_SOPORTADA_RECC", "C374"},
    {"CUOTAS_SOPORTADA_RECC", "C375"},
    {"COMPENSAR_ANT", "C367"},
};

// The settlement's indicators: copied only when set, so an answer given stays.
const std::pair<const char*, const char*> kIndicadores[] = {
    {"RDM", "RDM"},
    {"RECC", "RECC"},
    {"DESTINATARIO_CC", "DESTINATARIO_CC"},
    {"PRORRATA", "ES_PRORRATA"},
};

// The answers of the identification, 1 yes and 2 no.
const char* const kPreguntas[] = {"RDM", "SOLO_SIMPLIFICADO", "ES_CONJUNTA",
                                  "ES_CONCURSO_ACREEDORES", "RECC", "DESTINATARIO_CC",
                                  "ES_PRORRATA", "REVOCA_PRORRATA"};

const char* const kActividades[] = {"AP", "IAE1", "IAE2", "IAE3", "IAE4", "IAE5"};

const QStringList kCampos4T = {
     "CONTRIBUYENTE", "PERIODO", "CLAVE_AP", "EPIGRAFE_AP", "TITULO_AP", "CLAVE_IAE1", "CLAVE_IAE2",
     "CLAVE_IAE3", "CLAVE_IAE4", "CLAVE_IAE5", "EPIGRAFE_IAE1", "EPIGRAFE_IAE2", "EPIGRAFE_IAE3", "EPIGRAFE_IAE4",
     "EPIGRAFE_IAE5", "TITULO_IAE1", "TITULO_IAE2", "TITULO_IAE3", "TITULO_IAE4", "TITULO_IAE5", "MOD347",
     "C080", "C081", "C082", "C083", "C084", "C085", "C086",
     "C087", "C088", "C076", "C077",
};

const QString kCuarto = QStringLiteral("4T");

} // namespace

const PeriodicReturn::Model TDMM300::kModelo = {
    QStringLiteral("303"),
    QStringLiteral("T_MOD303"),
    {
     "CONTRIBUYENTE", "PERIODO", "TIPO", "RDM", "SOLO_SIMPLIFICADO", "ES_CONJUNTA", "ES_CONCURSO_ACREEDORES",
     "FECHA_CONCURSO", "AUTO_CONCURSO", "RECC", "DESTINATARIO_CC", "ES_PRORRATA", "REVOCA_PRORRATA", "C301",
     "C302", "C303", "C304", "C305", "C306", "C307", "C308",
     "C309", "C310", "C311", "C312", "C313", "C314", "C315",
     "C316", "C317", "C318", "C319", "C320", "C321", "C322",
     "C323", "C324", "C325", "C326", "C327", "C328", "C329",
     "C330", "C331", "C332", "C333", "C334", "C335", "C336",
     "C337", "C338", "C339", "C340", "C341", "C342", "C343",
     "C344", "C345", "C346", "C359", "C360", "C361", "C362",
     "C363", "C374", "C375", "C376", "C364", "C365", "C366",
     "C367", "C368", "C369", "C370", "C371", "C377", "C801",
     "C802", "MA", "IBAN", "ESTADO",
    },
    periods::kTrimestresYMeses,
    QStringLiteral("1.0"),
    QString(),
    QStringLiteral("No se puede crear el fichero de impresión MOD303.TXT"),
    kPaginas,
    kCalculadas,
    [](TDMMain& main) -> std::unique_ptr<PeriodicReturn> { return std::make_unique<TDMM300>(main); },
};

TDMM300::TDMM300(TDMMain& main)
    : PeriodicReturn(main, kModelo), QDetalle4T(main.Database, TLocal),
      calculadas4T_(QDetalle4T, kCalculadas4T) {
    QMaestro.onFieldChange({QStringLiteral("C371")}, [this](db::Field&) { QMaestroC371Change(); });
    QMaestro.onFieldChange({QStringLiteral("C801")}, [this](db::Field&) { QMaestroC801Change(); });
    // What is typed in the fourth quarter's page is saved with the return.
    QMaestro.beforePost.add([this](db::DataSet&) {
        if (QDetalle4T.editing())
            QDetalle4T.post();
    });
    QMaestro.afterOpen.add([this](db::DataSet&) {
        if (!QDetalle4T.active())
            QDetalle4T.open();
    });

    QDetalle4T.setSelectSql(QStringLiteral("select * from T_MOD303_4T where contribuyente = "
                                           ":contribuyente and periodo = :periodo"));
    setWriteSql(QDetalle4T, QStringLiteral("T_MOD303_4T"), kCampos4T,
                {QStringLiteral("CONTRIBUYENTE"), QStringLiteral("PERIODO")}, KeyUpdate::Written);
    QDetalle4T.setMaster(&QMaestro);
    QDetalle4T.beforeInsert.add([this](db::DataSet&) { QDetalle4TBeforeInsert(); });
    QDetalle4T.onNewRecord.add([this](db::DataSet&) { QDetalle4TNewRecord(); });
    QDetalle4T.afterPost.add([this](db::DataSet& ds) { QMaestroAfterPost(ds); });
    QDetalle4T.afterDelete.add([this](db::DataSet& ds) { QMaestroAfterPost(ds); });
    for (const char* a : kActividades) {
        const QString actividad = QLatin1String(a);
        QDetalle4T.onFieldChange({QStringLiteral("CLAVE_") + actividad, QStringLiteral("EPIGRAFE_") + actividad},
                                 [this, actividad](db::Field&) { titulo(actividad); });
    }
    addDataSet(QDetalle4T);
    leeTambien(QDetalle4T);

    xDatosConta.setSelectSql(QStringLiteral(
        "select * from T_LIQUIDACIONES_IVA where empresa = :empresa and ejercicio = :ejercicio "
        "and periodo = :periodo"));
    xDatosConta.beforeOpen.add([this](db::DataSet&) {
        xDatosConta.setParam(QStringLiteral("EMPRESA"), EmpresaContable(kEjercicio));
        xDatosConta.setParam(QStringLiteral("EJERCICIO"), kEjercicio);
        xDatosConta.setParam(QStringLiteral("PERIODO"), campo(QStringLiteral("PERIODO")).asString());
    });
}

void TDMM300::QMaestroNewRecord() {
    InicializaCampos();
    for (const auto& [box, rate] : {std::pair{"C302", 21.0}, {"C305", 10.0}, {"C308", 4.0},
                                    {"C317", 4.2}, {"C320", 1.4}, {"C323", 0.5}, {"C365", 100.0}})
        campo(QLatin1String(box)).setAsFloat(rate);
    campo(QStringLiteral("C801")).setAsInteger(0);
    campo(QStringLiteral("ESTADO")).setAsInteger(0);
    campo(QStringLiteral("TIPO")).setAsString(QStringLiteral("I"));
    campo(QStringLiteral("MA")).setAsInteger(0);
    campo(QStringLiteral("PERIODO")).setAsString(QStringLiteral("00"));
    for (const char* pregunta : kPreguntas)
        campo(QLatin1String(pregunta)).setAsInteger(2);
    campo(QStringLiteral("AUTO_CONCURSO")).setAsString(QStringLiteral(" "));
}

void TDMM300::DatosContribuyente() {
    leeContribuyente(QStringLiteral("select sin_actividad, iban from t_contribuyentes "
                                    "where contribuyente = :contribuyente"),
                     [this](db::Statement& row) {
                         const QString iban = row.field(QStringLiteral("IBAN")).asString();
                         iban_ = {campo(QStringLiteral("CONTRIBUYENTE")).asInteger(), iban};
                         campo(QStringLiteral("MA"))
                             .setAsInteger(row.field(QStringLiteral("SIN_ACTIVIDAD")).asInteger());
                         campo(QStringLiteral("IBAN")).setAsString(iban);
                     });
}

QString TDMM300::ibanContribuyente() {
    const int contribuyente = campo(QStringLiteral("CONTRIBUYENTE")).asInteger();
    if (!iban_ || iban_->first != contribuyente) {
        iban_ = {contribuyente, QString()};
        leeContribuyente(QStringLiteral("select iban from t_contribuyentes "
                                        "where contribuyente = :contribuyente"),
                         [this](db::Statement& row) {
                             iban_->second = row.field(QStringLiteral("IBAN")).asString();
                         });
    }
    return iban_->second;
}

// An absent settlement gives 0 in every box it fills; the indicators keep their answers.
void TDMM300::AsignaCasillas() {
    xDatosConta.first();
    const bool liquidado = !xDatosConta.eof();
    for (const auto& [columna, casilla] : kCaptura)
        campo(QLatin1String(casilla))
            .setAsFloat(liquidado ? xDatosConta.field(QLatin1String(columna)).asFloat() : 0);
    if (!liquidado)
        return;
    for (const auto& [columna, indicador] : kIndicadores)
        if (const int valor = xDatosConta.field(QLatin1String(columna)).asInteger(); valor != 0)
            campo(QLatin1String(indicador)).setAsInteger(valor);
}

// Decided on the cents the file declares, so that the noise of a sum does not make a
// zero result one to pay.
void TDMM300::QMaestroC371Change() {
    const bool aIngresar = util::cents(campo(QStringLiteral("C371")).asFloat()) > 0;
    campo(QStringLiteral("TIPO")).setAsString(aIngresar ? QStringLiteral("I") : QStringLiteral("C"));
    if (aIngresar)
        campo(QStringLiteral("IBAN")).setAsString(ibanContribuyente());
    else
        campo(QStringLiteral("IBAN")).clear();
}

void TDMM300::QMaestroC801Change() {
    if (campo(QStringLiteral("C801")).asInteger() != 0)
        return;
    campo(QStringLiteral("C802")).clear();
    campo(QStringLiteral("C370")).setAsFloat(0);
}

void TDMM300::QDetalle4TBeforeInsert() {
    if (!QDetalle4T.isEmpty()) {
        QDetalle4T.abandonInsert();
        return;
    }
    if (campo(QStringLiteral("PERIODO")).asString() != kCuarto)
        throw tributra::Error(QStringLiteral("Información solo para el 4º TRIMESTRE"));
}

void TDMM300::QDetalle4TNewRecord() {
    InicializaCampos(QDetalle4T);
    QDetalle4T.field(QStringLiteral("CONTRIBUYENTE"))
        .setAsInteger(campo(QStringLiteral("CONTRIBUYENTE")).asInteger());
    QDetalle4T.field(QStringLiteral("PERIODO")).setAsString(kCuarto);
    QDetalle4T.field(QStringLiteral("MOD347")).setAsInteger(0);
    QDetalle4T.field(QStringLiteral("CLAVE_AP")).setAsString(QStringLiteral("3"));
    QDetalle4T.field(QStringLiteral("EPIGRAFE_AP")).setAsString(QStringLiteral("8612"));
    QDetalle4T.field(QStringLiteral("TITULO_AP"))
        .setAsString(QStringLiteral("ALQUILER DE LOCALES INDUSTRIALES"));
}

void TDMM300::titulo(const QString& actividad) {
    const QString epigrafe = QDetalle4T.field(QStringLiteral("CLAVE_") + actividad).asString() +
                             QDetalle4T.field(QStringLiteral("EPIGRAFE_") + actividad).asString();
    QString texto;
    QGen.close();
    QGen.setSql(QStringLiteral(" select titulo from t_epigrafes where epigrafe = :epigrafe"));
    QGen.setParam(QStringLiteral("EPIGRAFE"), epigrafe);
    QGen.execute();
    if (!QGen.eof())
        texto = QGen.field(QStringLiteral("TITULO")).asString().left(40);
    QGen.close();
    QGen.transaction().commit();
    QDetalle4T.field(QStringLiteral("TITULO_") + actividad).setAsString(texto);
}

QString TDMM300::Regla(const QString& nombre) {
    // The agency's code for "no" is 3 here.
    if (nombre == u"simplificado") {
        const int valor = campo(QStringLiteral("SOLO_SIMPLIFICADO")).asInteger();
        return valor == 2 ? QStringLiteral("3") : QString::number(valor);
    }
    if (nombre == u"ultimo periodo")
        return ultimoPeriodo();
    if (nombre == u"cuarto trimestre")
        return escribe(campo(QStringLiteral("PERIODO")).asString() == kCuarto && !QDetalle4T.isEmpty()
                           ? kCuartoTrimestre[1]
                           : kCuartoTrimestre[0]);
    if (nombre.startsWith(u"actividad "))
        return actividad(nombre.mid(10));
    return PeriodicReturn::Regla(nombre);
}

// "0" everywhere but in the year's last period, where it tells whether the fourth
// quarter's information is there and whether model 347 is due.
QString TDMM300::ultimoPeriodo() {
    const QString periodo = campo(QStringLiteral("PERIODO")).asString();
    if ((periodo != kCuarto && periodo != u"12") || QDetalle4T.isEmpty())
        return QStringLiteral("0");
    return QDetalle4T.field(QStringLiteral("MOD347")).asInteger() == 1 ? QStringLiteral("1")
                                                                        : QStringLiteral("2");
}

// Key and heading; an activity without a key is not declared, whatever its heading.
QString TDMM300::actividad(const QString& actividad) {
    const QString clave = QDetalle4T.field(QStringLiteral("CLAVE_") + actividad).asString().trimmed();
    if (clave.isEmpty())
        return QStringLiteral("0    ");
    return UUtiles::RellenaDerecha(clave, 1) +
           UUtiles::RellenaDerecha(QDetalle4T.field(QStringLiteral("EPIGRAFE_") + actividad).asString(), 4);
}

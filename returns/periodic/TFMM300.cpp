#include "returns/periodic/TFMM300.h"

#include "framework/DBCheckBox.h"
#include "framework/DBEdit.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/TDBComboBoxVC.h"
#include "framework/TDBEDITFIND.h"
#include "framework/TDBNavigatorVC.h"
#include "returns/periodic/BoxGrid.h"
#include "returns/periodic/TDMM300.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const char* const kGeneral = "Régimen general";
const char* const kRecargo = "Recargo equivalencia";

const BoxGroup kDevengado = {
    "IVA devengado",
    {"Base imponible", "Tipo %", "Cuota"},
    {{kGeneral, {"01", "02", "03"}},
     {kGeneral, {"04", "05", "06"}},
     {kGeneral, {"07", "08", "09"}},
     {"Adquisiciones intracomunitarias de bienes y servicios", {"10", "", "11"}},
     {"Otras operaciones con inversión del sujeto pasivo (excepto adq. intracom.)",
      {"12", "", "13"}},
     {"Modificación bases y cuotas", {"14", "", "15"}},
     {kRecargo, {"16", "17", "18"}},
     {kRecargo, {"19", "20", "21"}},
     {kRecargo, {"22", "23", "24"}},
     {"Modificaciones bases y cuotas del recargo de equivalencia", {"25", "", "26"}},
     {"Total cuota devengada ( [03] + [06] + [09] + [11] + [13] + [15] + [18] + [21] + [24] + "
      "[26] )",
      {"", "", "27"}}},
};

const BoxGroup kDeducciones = {
    "IVA deducible",
    {"Base imponible", "Cuota"},
    {{"Por cuotas soportadas en operaciones interiores corrientes", {"28", "29"}},
     {"Por cuotas soportadas en operaciones interiores con bienes de inversión", {"30", "31"}},
     {"Por cuotas soportadas en las importaciones de bienes corrientes", {"32", "33"}},
     {"Por cuotas soportadas en las importaciones de bienes de inversión", {"34", "35"}},
     {"En adquisiciones intracomunitarias de bienes y servicios corrientes", {"36", "37"}},
     {"En adquisiciones intracomunitarias de bienes de inversión", {"38", "39"}},
     {"Rectificación de deducciones", {"40", "41"}},
     {"Compensaciones Régimen Especial A.G. y P.", {"", "42"}},
     {"Regularización bienes de inversión", {"", "43"}},
     {"Regularización por aplicación del porcentaje definitivo de prorrata", {"", "44"}},
     {"Total a deducir ( [29] + [31] + [33] + [35] + [37] + [39] + [41] + [42] + [43] + [44] )",
      {"", "45"}},
     {"Resultado régimen general ( [27] - [45] )", {"", "46"}}},
};

const BoxGroup kInformacion = {
    "Información adicional",
    {"Base imponible", "Cuota"},
    {{"Entregas intracomunitarias de bienes y servicios", {"59"}},
     {"Exportaciones y operaciones asimiladas", {"60"}},
     {"Operaciones no sujetas o con inversión del sujeto pasivo que originan el derecho a "
      "deducción",
      {"61"}},
     {"Entregas de bienes y prestaciones de servicios en régimen especial del criterio de caja "
      "que hubieran devengado por aplicación de la regla general",
      {"62", "63"}},
     {"Adquisiciones de bienes y servicios en régimen especial del criterio de caja que "
      "hubieran devengado por aplicación de la regla general",
      {"74", "75"}}},
};

const BoxGroup kResultado = {
    "Resultado",
    {},
    {{"Regularización cuotas art. 80.Cinco.5ª LIVA", {"76"}},
     {"Suma de resultados ( [46] + [76] )", {"64"}},
     {"% Atribuible a la Administración del Estado", {"65"}},
     {"Atribuible a la Administración del Estado", {"66"}},
     {"IVA a la importación liquidado por la Aduana pendiente de ingreso", {"77"}},
     {"Cuotas a compensar de periodos anteriores", {"67"}},
     {"Resultado de la regularización anual (sólo tributación conjunta con las Diputaciones "
      "Forales)",
      {"68"}},
     {"Resultado ( [66] + [77] - [67] + [68] )", {"69"}},
     {"A deducir (exclusivamente en caso de autoliquidación complementaria)", {"70"}},
     {"Resultado de la liquidación ( [69] - [70] )", {"71"}}},
};

const BoxGroup kVolumen = {
    "Volumen de operaciones",
    {},
    {{"Operaciones en régimen general", {"80"}},
     {"Operaciones en régimen especial del criterio de caja conforme a la Ley del IVA", {"81"}},
     {"Entregas intracomunitarias de bienes y servicios exentas", {"93"}},
     {"Operaciones exentas sin derecho a deducción", {"83"}},
     {"Operaciones no sujetas por reglas de localización o con inversión del sujeto pasivo",
      {"84"}},
     {"Entregas de bienes objeto de instalación o montaje en otros Estados miembros", {"85"}},
     {"Operaciones en régimen simplificado", {"86"}},
     {"Entregas de bienes inmuebles, operaciones financieras y relativas al oro de inversión "
      "no habituales",
      {"79"}},
     {"Total volumen de operaciones (Art. 121 Ley IVA) (80+81+93+83+84+85+86-79)", {"88"}}},
};

struct Pregunta {
    const char* campo;
    const char* texto;
};

const Pregunta kPreguntas[] = {
    {"RDM", "¿Está inscrito en el Registro de devolución mensual (Art. 30 RIVA)?"},
    {"SOLO_SIMPLIFICADO", "¿Tributa exclusivamente en régimen simplificado?"},
    {"ES_CONJUNTA", "¿Es autoliquidación conjunta?"},
    {"ES_CONCURSO_ACREEDORES",
     "¿Ha sido declarado en concurso de acreedores en el presente período de liquidación?"},
    {"RECC", "¿Ha optado por el régimen especial del criterio de Caja (art. 163 undecies LIVA)?"},
    {"DESTINATARIO_CC",
     "¿Es destinatario de operaciones a las que se aplique el régimen especial  del criterio "
     "de caja"},
    {"ES_PRORRATA", "Opción por la aplicación de la prorrata especial (artículo 103.Dos.1º LIVA) ."},
    {"REVOCA_PRORRATA",
     "Revocación de la opción por la aplicación de la prorrata especial (artículo 103.Dos.1º "
     "LIVA)"},
};

struct Actividad {
    const char* sufijo;
    const char* titulo;
};

const Actividad kActividades[] = {
    {"AP", "Actividad principal"}, {"IAE1", "Otras actividades 1"},
    {"IAE2", "Otras actividades 2"}, {"IAE3", "Otras actividades 3"},
    {"IAE4", "Otras actividades 4"}, {"IAE5", "Otras actividades 5"},
};

const QStringList kTipos = {
    QStringLiteral("A ingresar"),
    QStringLiteral("Resultado cero/Sin actividad"),
    QStringLiteral("A compensar"),
    QStringLiteral("Solicitud de devolución"),
    QStringLiteral("Domiciliacion del ingreso"),
    QStringLiteral("Cuenta corriente tributaria-ingreso"),
    QStringLiteral("Cuenta corriente tributaria-devolucion"),
};
const QStringList kValoresTipo = {QStringLiteral("I"), QStringLiteral("N"), QStringLiteral("C"),
                                  QStringLiteral("D"), QStringLiteral("U"), QStringLiteral("G"),
                                  QStringLiteral("V")};

} // namespace

TFMM300::TFMM300(FormManager& manager)
    : PeriodicReturnForm(manager, manager.modules().CreaModuloDatos<TDMM300>()) {
    setObjectName(QStringLiteral("FMM300"));
    setWindowTitle(
        QStringLiteral("Impuesto sobre el valor añadido - MODELO 303. Autoliquidación"));
    cabecera()->addStretch();
    grupoIdentificacion();
    paginaDevengado();
    paginaDeducciones();
    paginaResultado();
    paginaOtros();
    paginaCuartoTrimestre();

    db::DataSet& ds = dm().QMaestro;
    for (auto signal : {&db::DataSet::currentChanged, &db::DataSet::stateChanged})
        connect(&ds, signal, this, [this] { muestraSinActividad(); });
    connect(&ds, &db::DataSet::fieldChanged, this, [this](db::Field* f) {
        if (f && f->name() == u"C371")
            muestraSinActividad();
    });
    muestraConcurso();
    muestraComplementaria();
    muestraSinActividad();
    resize(1340, 696);
}

TDMM300& TFMM300::dm300() const {
    return static_cast<TDMM300&>(dm());
}

void TFMM300::grupoIdentificacion() {
    auto* group = new QGroupBox(QStringLiteral("Identificación"));
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(2);
    int at = 0;
    for (const Pregunta& p : kPreguntas) {
        auto* box = new DBCheckBox(QString::fromUtf8(p.texto), dm().QMaestro,
                                   QLatin1String(p.campo), prompts(), QStringLiteral("1"),
                                   QStringLiteral("2"));
        grid->addWidget(box, at % 4, at / 4);
        if (p.campo == std::string_view("ES_CONCURSO_ACREEDORES"))
            CBConcurso = box;
        ++at;
    }
    connect(CBConcurso, &QCheckBox::toggled, this, [this] { muestraConcurso(); });

    PConcurso = new QWidget;
    auto* panel = new QHBoxLayout(PConcurso);
    panel->setContentsMargins(0, 0, 0, 0);
    auto* fecha = new DBEdit(dm().QMaestro, QStringLiteral("FECHA_CONCURSO"), prompts());
    fecha->setMaximumWidth(100);
    panel->addWidget(new QLabel(QStringLiteral("Fecha del auto")));
    panel->addWidget(fecha);
    auto* nota = new QLabel(QStringLiteral("Si se ha dictado auto de declaración de concurso en "
                                           "este período indique el tipo de autoliquidación"));
    panel->addWidget(nota, 1);
    panel->addWidget(new TDBComboBoxVC(
        dm().QMaestro, QStringLiteral("AUTO_CONCURSO"), prompts(),
        {QStringLiteral(" "), QStringLiteral("SI Preconcursal"), QStringLiteral("SI Postconcursal")},
        {QStringLiteral(" "), QStringLiteral("1"), QStringLiteral("2")}));
    grid->addWidget(PConcurso, 4, 0, 1, 2);
    ficha()->addWidget(group);
}

void TFMM300::paginaDevengado() {
    auto* layout = new QVBoxLayout(pagina(QStringLiteral("IVA Devengado (3)")));
    auto* grid = new BoxGrid(kDevengado, dm(), prompts());
    NavMain->EditaControl = grid->box(QStringLiteral("C301"));
    layout->addWidget(grid);
    filaCaptura(layout);
    layout->addStretch();
}

void TFMM300::paginaDeducciones() {
    auto* layout = new QVBoxLayout(pagina(QStringLiteral("IVA Deducciones (3)")));
    layout->addWidget(new BoxGrid(kDeducciones, dm(), prompts()));
    layout->addStretch();
}

void TFMM300::paginaResultado() {
    auto* layout = new QHBoxLayout(pagina(QStringLiteral("R&esultado (3)")));
    auto* informacion = new QVBoxLayout;
    informacion->addWidget(new BoxGrid(kInformacion, dm(), prompts()));
    informacion->addStretch();
    auto* resultado = new BoxGrid(kResultado, dm(), prompts());
    DBResultadoAnterior = resultado->box(QStringLiteral("C370"));
    DBResultadoAnterior->setObjectName(QStringLiteral("DBResultadoAnterior"));
    auto* columna = new QVBoxLayout;
    columna->addWidget(resultado);
    columna->addStretch();
    layout->addLayout(informacion, 1);
    layout->addLayout(columna, 1);
}

void TFMM300::paginaOtros() {
    QVBoxLayout* layout = paginaOtrosDatos(QStringLiteral("Ingreso (71)"), QStringLiteral("C371"),
                                           QStringLiteral("(Casilla 71)"), kTipos, kValoresTipo);
    CBSinActividad =
        new DBCheckBox(QStringLiteral("haga clic en esta casilla si la empresa está sin actividad"),
                       dm().QMaestro, QStringLiteral("MA"), prompts());
    layout->addWidget(CBSinActividad);

    auto* complementaria = new QGroupBox(QStringLiteral("Autoliquidación complementaria"));
    auto* grid = new QGridLayout(complementaria);
    CBComplementaria = new DBCheckBox(QStringLiteral("Autoliquidación complementaria "),
                                      dm().QMaestro, QStringLiteral("C801"), prompts());
    connect(CBComplementaria, &QCheckBox::toggled, this, [this] { muestraComplementaria(); });
    auto* explicacion = new QLabel(
        QStringLiteral("Si esta autoliquidación es complementaria de otra autoliquidación anterior "
                       "correspondiente al mismo concepto, ejercicio y período, indíquelo marcando "
                       "esta casilla y consigne a continuación el número de justificante de la "
                       "autoliquidación anterior."));
    explicacion->setWordWrap(true);
    EJustificante = new DBEdit(dm().QMaestro, QStringLiteral("C802"), prompts());
    EJustificante->setMaximumWidth(140);
    grid->addWidget(CBComplementaria, 0, 0, 1, 2);
    grid->addWidget(explicacion, 1, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Nº de justificante")), 2, 0);
    grid->addWidget(EJustificante, 2, 1, Qt::AlignLeft);
    layout->addWidget(complementaria);
    layout->addStretch();
}

void TFMM300::paginaCuartoTrimestre() {
    auto* layout = new QVBoxLayout(pagina(QStringLiteral(
        "Exclusivamente a cumplimentar en 4T para sujeto pasivos exonerados Modelo 390")));
    NavDetalle = new TDBNavigatorVC(prompts());
    NavDetalle->setObjectName(QStringLiteral("NavDetalle"));
    NavDetalle->setDataSource(&dm300().QDetalle4T);
    NavDetalle->setRecordName({QStringLiteral("la información del 4º trimestre"),
                               QStringLiteral("abrirla")});
    auto* bar = new QHBoxLayout;
    bar->addWidget(NavDetalle);
    bar->addStretch();
    layout->addLayout(bar);

    layout->addWidget(new DBCheckBox(
        QStringLiteral("Si ha efectuado operaciones por las que tenga que presentar la "
                       "declaración anual de operaciones con terceras personas, marque una x"),
        dm300().QDetalle4T, QStringLiteral("MOD347"), prompts()));

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(actividades());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(new BoxGrid(kVolumen, dm().model(), dm300().QDetalle4T,
                                 dm300().calculadas4T(), prompts()));
    right->addStretch();
    columns->addLayout(left, 2);
    columns->addLayout(right, 3);
    layout->addLayout(columns, 1);
}

// A heading is searched in the headings table by heading or title (F2).
QWidget* TFMM300::actividades() {
    auto* group = new QGroupBox(QStringLiteral("Actividades"));
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(3);
    grid->addWidget(new QLabel(QStringLiteral("Clave")), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Epígrafe IAE")), 0, 3);
    db::DataSet& detalle = dm300().QDetalle4T;
    int at = 1;
    for (const Actividad& a : kActividades) {
        const QString sufijo = QLatin1String(a.sufijo);
        auto* titulo = new DBEdit(detalle, QStringLiteral("TITULO_") + sufijo, prompts());
        titulo->setMinimumWidth(200);
        auto* clave = new DBEdit(detalle, QStringLiteral("CLAVE_") + sufijo, prompts());
        clave->setMaximumWidth(30);
        auto* epigrafe =
            new TDBEDITFIND(detalle, QStringLiteral("EPIGRAFE_") + sufijo, prompts(),
                            {QStringLiteral("VER_EPIGRAFES"),
                             {QStringLiteral("EPIGRAFE"), QStringLiteral("TITULO"),
                              QStringLiteral("CLAVE")},
                             QStringLiteral("EPIGRAFE"),
                             QString(),
                             {}});
        epigrafe->setMaximumWidth(70);
        grid->addWidget(new QLabel(QString::fromUtf8(a.titulo)), at, 0);
        grid->addWidget(titulo, at, 1);
        grid->addWidget(clave, at, 2);
        grid->addWidget(epigrafe, at, 3);
        ++at;
    }
    return group;
}

void TFMM300::muestraConcurso() {
    PConcurso->setEnabled(CBConcurso->isChecked());
}

void TFMM300::muestraComplementaria() {
    const bool on = CBComplementaria->isChecked();
    EJustificante->setEnabled(on);
    DBResultadoAnterior->setEnabled(on);
}

void TFMM300::muestraSinActividad() {
    const db::Field* resultado = dm().QMaestro.findField(QStringLiteral("C371"));
    CBSinActividad->setEnabled(!resultado || resultado->asFloat() == 0);
}

#include "returns/periodic/TFMM202.h"

#include "framework/DBCheckBox.h"
#include "framework/DBEdit.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/LookupSearch.h"
#include "framework/TDBComboBoxVC.h"
#include "framework/TDBEDITFIND.h"
#include "framework/TDBNavigatorVC.h"
#include "returns/periodic/BoxGrid.h"
#include "returns/periodic/TDMM202.h"
#include "util/NumberFormat.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const BoxGroup kArticulo402 = {
    "A) CÁLCULO DEL PAGO FRACCIONADO: MODALIDAD ARTÍCULO 40.2 LIS",
    {},
    {{"Base de cálculo del pago fraccionado", {"01"}},
     {"Resultado de la anterior o anteriores autoliquidaciones del mismo concepto, ejercicio y "
      "período (sólo en caso de autoliquidación complementaria)",
      {"02"}},
     {"Importe a ingresar (18% de [01] - [02])", {"03"}}},
};

const BoxGroup kBaseImponible = {
    "B) CÁLCULO DEL PAGO FRACCIONADO: MODALIDAD ARTÍCULO 40.3 LIS",
    {"Aumentos", "Disminuciones"},
    {{"Resultado contable (después del IS)", {"04"}},
     {"Corrección por Impuesto sobre Sociedades", {"05", "06"}},
     {"30% de la amortización contable", {"", "37"}},
     {"Otras correcciones al resultado contable", {"07", "08"}},
     {"Total correcciones al resultado contable", {"38", "39"}},
     {"Base imponible previa", {"13"}},
     {"Reserva de capitalización no aplicada", {"", "44"}},
     {"Compensación de bases imponibles negativas de períodos anteriores", {"", "14"}},
     {"Reserva de nivelación", {"45", "46"}}},
};

const BoxGroup kUnTipo = {
    "B.1) Entidades con un único tipo de gravamen",
    {"Aumentos", "Disminuciones"},
    {{"Base del pago fraccionado", {"16"}},
     {"Porcentaje", {"17"}},
     {"Dotaciones art. 11.12 LIS (cooperativas)", {"47"}},
     {"Compensación de cuotas negativas (cooperativas)", {"", "40"}},
     {"Reserva de nivelación convertida a cuota", {"48", "49"}},
     {"Resultado previo", {"18"}}},
};

const BoxGroup kDosTipos = {
    "B.2) Entidades con más de un tipo de gravamen",
    {"Base", "Porcentaje", "Cuota"},
    {{"Base del pago fraccionado", {"19"}},
     {"Base al tipo 1", {"20", "21", "22"}},
     {"Base al tipo 2", {"23", "24", "25"}},
     {"Dotaciones art. 11.12 LIS (cooperativas)", {"", "", "50"}},
     {"Compensación de cuotas negativas (cooperativas)", {"", "", "42"}},
     {"Reserva de nivelación convertida a cuota: aumentos", {"", "", "51"}},
     {"Reserva de nivelación convertida a cuota: disminuciones", {"", "", "52"}},
     {"Resultado previo", {"", "", "26"}}},
};

const BoxGroup kResultado = {
    "Resultado",
    {},
    {{"Bonificaciones", {"27"}},
     {"Retenciones e ingresos a cuenta", {"28"}},
     {"Porcentaje de operaciones en territorio común", {"29"}},
     {"Pagos fraccionados anteriores", {"30"}},
     {"Resultado de la anterior o anteriores autoliquidaciones (sólo complementaria)", {"31"}},
     {"Resultado", {"32"}},
     {"Mínimo a ingresar (sólo para empresas con CN igual o superior a 10 millones de euros)",
      {"33"}},
     {"Cantidad a ingresar (mayor de claves [32] y [33])", {"34"}}},
};

struct Indicador {
    const char* campo;
    const char* texto;
};

const Indicador kIndicadores[] = {
    {"DA_3_LEY_49_2002", "Entidad que aplica el régimen de la Ley 49/2002, de 23 de diciembre"},
    {"DA_3_LEY_11_2009", "Entidad que aplica el régimen de la Ley 11/2009, de 26 de  octubre"},
    {"DA_3_POS_123",
     "Entidad que aplica el régimen de las entidades navieras en función del tonelaje"},
    {"DA_3_POS_124", "Entidad que cumpla los requisitos del art. 101 LIS y apliquen tipo de "
                     "gravamen art.29.1 1er párrafo LIS"},
    {"DA_3_POS_125", "Cifra de negocios de los 12 meses anteriores a la fecha de inicio del "
                     "período impositivo > 6.000.000  €"},
    {"DA_3_POS_126", "Cooperativa fiscalmente protegida"},
    {"DA_3_POS_133", "Marque esta casilla si concurre ALGUNA de las siguientes circunstancias"},
};

// The additional amounts, by the position each takes on page 2.
const Indicador kDatosAdicionales[] = {
    {"IA_5_P340", "Importe excluido por quitas o esperas"},
    {"IA_5_P357", "Parte integrada en la base imponible por esas operaciones"},
    {"IA_5_P374", "Parte integrada en la cuota (cooperativas)"},
    {"IA_5_P391", "Reversión de deterioros"},
    {"IA_5_P408", "Reserva para inversiones en Canarias"},
    {"IA_5_P425", "Bonificación art. 26 Ley 19/1994"},
    {"IA_5_P442", "Importe no computable por el régimen de la Zona Especial Canaria"},
    {"IA_5_P459", "Reducción de rentas con la bonificación del art. 33 LIS"},
    {"IA_5_P476", "Importe excluido por ampliaciones de capital por compensación de créditos"},
    {"IA_5_P493", "Rentas exentas del régimen del capítulo XIV"},
    {"IA_5_P510", "Bonificación art. 34 LIS"},
};

const QString kCooperativa = QStringLiteral("00001");

} // namespace

TFMM202::TFMM202(FormManager& manager)
    : PeriodicReturnForm(manager, manager.modules().CreaModuloDatos<TDMM202>()) {
    setObjectName(QStringLiteral("FMM202"));
    setWindowTitle(QStringLiteral("Pago Fraccionado  impuesto sobre Sociedades - MODELO 202"));
    NavMain->EditaControl = EContribuyente;

    QList<QWidget*> complementarias, cooperativas;
    cabecera202();
    paginaDatosAdicionales();
    paginaArticulo402(complementarias);
    paginaArticulo403(cooperativas);
    paginaArticulo403Continuacion(cooperativas, complementarias);
    paginaOtros();
    cabeceraComplementaria(QStringLiteral("DC_6"), QStringLiteral("DC_6_JUSTIFICANTE"),
                           complementarias);

    connect(CBTipoGravamen, &QComboBox::currentIndexChanged, this,
            [this, cooperativas] { muestraCooperativas(cooperativas); });
    muestraCooperativas(cooperativas);
    db::DataSet& ds = dm().QMaestro;
    for (auto signal : {&db::DataSet::currentChanged, &db::DataSet::stateChanged})
        connect(&ds, signal, this, [this] { muestraImporte(); });
    connect(&ds, &db::DataSet::fieldChanged, this, [this] { muestraImporte(); });
    muestraImporte();
    resize(1100, 690);
}

TDMM202& TFMM202::dm202() const {
    return static_cast<TDMM202&>(dm());
}

void TFMM202::cabecera202() {
    db::DataSet& ds = dm().QMaestro;
    auto* fecha = new DBEdit(ds, QStringLiteral("D2_FECHA_INICIO"), prompts());
    fecha->setMaximumWidth(100);
    auto* cnae = new TDBEDITFIND(ds, QStringLiteral("D2_CNAE"), prompts(),
                                 {QStringLiteral("CNAE"),
                                  {QStringLiteral("CODIGO"), QStringLiteral("DESCRIPCION")},
                                  QStringLiteral("CODIGO"),
                                  QStringLiteral("DESCRIPCION"),
                                  {}});
    cnae->setMaximumWidth(70);
    auto* descripcion = new QLineEdit;
    descripcion->setMinimumWidth(260);
    cnae->setLookUpEdit(descripcion);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Fecha inicio periodo impositivo")));
    row->addWidget(fecha);
    row->addSpacing(16);
    row->addWidget(new QLabel(QStringLiteral("C.N.A.E.")));
    row->addWidget(cnae);
    row->addWidget(descripcion, 1);
    ficha()->addLayout(row);
}

void TFMM202::paginaDatosAdicionales() {
    auto* layout = new QVBoxLayout(pagina(QStringLiteral("Datos adicionales")));
    for (const Indicador& i : kIndicadores)
        layout->addWidget(new DBCheckBox(QString::fromUtf8(i.texto), dm().QMaestro,
                                         QLatin1String(i.campo), prompts()));
    auto* form = new QFormLayout;
    CBTipoGravamen = new TDBComboBoxVC(
        dm().QMaestro, QStringLiteral("DA_3_POS_127"), prompts(),
        {QString(), QStringLiteral("Con porcentaje único"), QStringLiteral("  01"),
         QStringLiteral("  10"), QStringLiteral("  15"), QStringLiteral("  25"),
         QStringLiteral("  30"), QStringLiteral("  00"), QStringLiteral("Con más de un porcentaje"),
         QStringLiteral("  04/25"), QStringLiteral("  20/25"), QStringLiteral("  25/30")},
        {QStringLiteral("00000"), QStringLiteral("00000"), kCooperativa, QStringLiteral("00010"),
         QStringLiteral("00015"), QStringLiteral("00025"), QStringLiteral("00030"),
         QStringLiteral("00000"), QStringLiteral("00000"), QStringLiteral("04/25"),
         QStringLiteral("20/25"), QStringLiteral("25/30")});
    form->addRow(QStringLiteral("Tipo de gravamen del Impuesto sobre Sociedades del ejercicio en curso"),
                 CBTipoGravamen);
    form->addRow(QStringLiteral("Importe neto de la cifra de negocios de los doce meses anteriores"),
                 new TDBComboBoxVC(dm().QMaestro, QStringLiteral("DA_3_POS_132"), prompts(),
                                   {QString(),
                                    QStringLiteral("Igual o superior a 10 millones de euros e "
                                                   "inferior a 20 millones de euros."),
                                    QStringLiteral("Igual o superior a 20 millones de euros e "
                                                   "inferior a 60 millones de euros."),
                                    QStringLiteral("Igual o superior a 60 millones de euros.")},
                                   {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                    QStringLiteral("3")}));
    layout->addLayout(form);
    layout->addStretch();
}

void TFMM202::paginaArticulo402(QList<QWidget*>& complementarias) {
    auto* layout = new QVBoxLayout(pagina(QStringLiteral("Liquidación (4)")));
    auto* grid = new BoxGrid(kArticulo402, dm(), prompts());
    complementarias << grid->box(QStringLiteral("LIQA02"));
    layout->addWidget(grid);
    layout->addStretch();
}

void TFMM202::paginaArticulo403(QList<QWidget*>& cooperativas) {
    auto* layout = new QHBoxLayout(pagina(QStringLiteral("Liquidación artículo 40.3 LIS")));
    auto* base = new QVBoxLayout;
    base->addWidget(new BoxGrid(kBaseImponible, dm(), prompts()));
    base->addStretch();
    auto* unTipo = new BoxGrid(kUnTipo, dm(), prompts());
    cooperativas << unTipo->box(QStringLiteral("LIQB40"));
    auto* b1 = new QVBoxLayout;
    b1->addWidget(unTipo);
    b1->addStretch();
    layout->addLayout(base, 1);
    layout->addLayout(b1, 1);
}

void TFMM202::paginaArticulo403Continuacion(QList<QWidget*>& cooperativas,
                                            QList<QWidget*>& complementarias) {
    auto* layout =
        new QHBoxLayout(pagina(QStringLiteral("Liquidación artículo 40.3 LIS (continuación)")));
    auto* dosTipos = new BoxGrid(kDosTipos, dm(), prompts());
    cooperativas << dosTipos->box(QStringLiteral("LIQB42"));
    auto* resultado = new BoxGrid(kResultado, dm(), prompts());
    complementarias << resultado->box(QStringLiteral("LIQB31"));
    // Nothing computes box 33: it is shown, never typed.
    resultado->box(QStringLiteral("LIQB33"))->setReadOnly(true);
    auto* b2 = new QVBoxLayout;
    b2->addWidget(dosTipos);
    b2->addStretch();
    auto* total = new QVBoxLayout;
    total->addWidget(resultado);
    total->addStretch();
    layout->addLayout(b2, 3);
    layout->addLayout(total, 2);
}

void TFMM202::paginaOtros() {
    auto* layout = new QHBoxLayout(pagina(QStringLiteral("&Otros datos de la declaración")));
    auto* ingreso = new QGroupBox(QStringLiteral("Ingreso"));
    auto* form = new QFormLayout(ingreso);
    form->addRow(QStringLiteral("Seleccione el tipo de Declaración"),
                 new TDBComboBoxVC(dm().QMaestro, QStringLiteral("TIPO"), prompts(),
                                   {QStringLiteral("A ingresar"),
                                    QStringLiteral("Domiciliacion del ingreso"),
                                    QStringLiteral("Ingreso en C.C.T."),
                                    QStringLiteral("Negativa/Sin actividad/Resultado cero")},
                                   {QStringLiteral("I"), QStringLiteral("U"), QStringLiteral("G"),
                                    QStringLiteral("N")}));
    EImporte = new QLineEdit;
    EImporte->setObjectName(QStringLiteral("EImporte"));
    makeCompanion(*EImporte, QPalette::Window);
    EImporte->setAlignment(Qt::AlignRight);
    EImporte->setMaximumWidth(140);
    form->addRow(QStringLiteral("Importe"), EImporte);
    auto* iban = new DBEdit(dm().QMaestro, QStringLiteral("IBAN"), prompts());
    iban->setMinimumWidth(280);
    form->addRow(QStringLiteral("IBAN"), iban);

    auto* adicionales = new QGroupBox;
    auto* grid = new QGridLayout(adicionales);
    grid->setVerticalSpacing(2);
    auto* comunica = new DBCheckBox(QStringLiteral("Comunicación de datos adicionales a la declaración "),
                                    dm().QMaestro, QStringLiteral("IA_5_DATOS_ADICIONAL"), prompts());
    auto* nrs = new DBEdit(dm().QMaestro, QStringLiteral("IA_5_NRS"), prompts());
    connect(comunica, &QCheckBox::toggled, nrs, &QWidget::setEnabled);
    nrs->setEnabled(comunica->isChecked());
    grid->addWidget(comunica, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Número de referencia de sociedades (NRS)")), 1, 0);
    grid->addWidget(nrs, 1, 1);
    int at = 2;
    for (const Indicador& d : kDatosAdicionales) {
        auto* importe = new DBEdit(dm().QMaestro, QLatin1String(d.campo), prompts());
        importe->setPuntoToComa(true);
        importe->setMaximumWidth(140);
        auto* caption = new QLabel(QString::fromUtf8(d.texto));
        caption->setWordWrap(true);
        grid->addWidget(caption, at, 0);
        grid->addWidget(importe, at++, 1);
    }
    auto* left = new QVBoxLayout;
    left->addWidget(ingreso);
    left->addStretch();
    layout->addLayout(left, 1);
    layout->addWidget(adicionales, 1);
}

void TFMM202::muestraCooperativas(const QList<QWidget*>& cooperativas) {
    const bool cooperativa = CBTipoGravamen->valueOf(CBTipoGravamen->currentIndex()) == kCooperativa;
    for (QWidget* w : cooperativas)
        w->setEnabled(cooperativa);
}

void TFMM202::muestraImporte() {
    EImporte->setText(util::formatFloat(QStringLiteral("#,###,###,##0.00"), dm202().Importe()));
}

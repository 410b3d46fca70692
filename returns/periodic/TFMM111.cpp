#include "returns/periodic/TFMM111.h"

#include "framework/DBEdit.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/TDBComboBoxVC.h"
#include "framework/TDBNavigatorVC.h"
#include "returns/periodic/BoxGrid.h"
#include "returns/periodic/TDMM111.h"

#include <QApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QStringList kColumnas = {QStringLiteral("Nº de perceptores"),
                               QStringLiteral("Importe de las  percepciones"),
                               QStringLiteral("Importe de las retenciones")};

QString numero(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QChar(u'0'));
}

// Recipients, amount and withholdings of box `primera` onwards, named after the section.
std::vector<BoxGrid::Box> fila(const QString& seccion, int columna, int primera) {
    auto campo = [&](int i) { return seccion + numero(columna + i); };
    return {{numero(primera), campo(0), BoxGrid::Kind::Count},
            {numero(primera + 1), campo(1), BoxGrid::Kind::Amount},
            {numero(primera + 2), campo(2), BoxGrid::Kind::Amount}};
}

} // namespace

TFMM111::TFMM111(FormManager& manager)
    : PeriodicReturnForm(
          manager, manager.modules().CreaModuloDatos<TDMM111>(),
          {QStringLiteral("Seleccione un período"), QStringLiteral("1T- primer trimestre"),
           QStringLiteral("2T- segundo trimestre"), QStringLiteral("3T- tercer trimestre"),
           QStringLiteral("4T- cuarto trimestre")},
          {QStringLiteral("00"), QStringLiteral("1T"), QStringLiteral("2T"), QStringLiteral("3T"),
           QStringLiteral("4T")}) {
    setObjectName(QStringLiteral("FMM111"));
    setWindowTitle(QStringLiteral("Retenciones e ingresos a cuenta   - MODELO 111"));

    btcomplementaria = new QToolButton;
    btcomplementaria->setObjectName(QStringLiteral("btcomplementaria"));
    btcomplementaria->setText(QStringLiteral("C"));
    btcomplementaria->setToolTip(QStringLiteral("Declaración complementaria"));
    btcomplementaria->setProperty("tag", 0);
    btcomplementaria->setCheckable(true);
    connect(btcomplementaria, &QToolButton::clicked, this, [this] { btComplementariaClick(); });
    LComplementaria = new QLabel(QStringLiteral("Declaración complementaria"));
    LComplementaria->setStyleSheet(QStringLiteral("color: red; font-weight: bold"));
    LJustificante = new QLabel(QStringLiteral("Nº de justificante"));
    EJustificante = new DBEdit(dm().QMaestro, QStringLiteral("C602"), prompts());
    EJustificante->setMaximumWidth(130);
    auto* complementary = new QGridLayout;
    complementary->addWidget(btcomplementaria, 1, 0);
    complementary->addWidget(LComplementaria, 0, 1, 1, 2);
    complementary->addWidget(LJustificante, 1, 1);
    complementary->addWidget(EJustificante, 1, 2);
    cabecera()->addLayout(complementary);
    cabecera()->addStretch();
    ficha()->addWidget(grupoAgencia());

    paginaLiquidacion();
    paginaBis();
    paginaOtrosDatos();
    muestraComplementaria();

    // After the combo box has written the period, so the record it chose is the one looked at.
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget*) {
        if (old == DBComboBoxVC3)
            DBComboBoxVC3Exit();
    });
    resize(900, 640);
}

// The focus moves while the controls go: by then there is no form to look at it.
TFMM111::~TFMM111() {
    disconnect(focusWatch_);
}

TDMM111& TFMM111::dm111() const {
    return static_cast<TDMM111&>(module());
}

void TFMM111::paginaLiquidacion() {
    auto* layout = new QVBoxLayout(pagina(QStringLiteral("&Liquidacion (3)")));
    const std::pair<const char*, const char*> secciones[] = {
        {"C3I", "I.Rendimientos del trabajo"},
        {"C3II", "II.Rendimientos de actividades económicas"},
        {"C3III",
         "III.Premios por la participación en juegos, concursos, rifas o combinaciones aleatorias"},
        {"C3IV",
         "IV.Ganancias patrimoniales derivadas de los aprovechamientos forestales de los vecinos "
         "en montes públicos"}};
    int primera = 1;
    for (const auto& [seccion, titulo] : secciones) {
        auto* grid = new BoxGrid(QString::fromUtf8(titulo), kColumnas, dm().QMaestro, prompts());
        grid->addRow(QStringLiteral("Dinerarios"), fila(QString::fromLatin1(seccion), 1, primera));
        grid->addRow(QStringLiteral("En especie"),
                     fila(QString::fromLatin1(seccion), 4, primera + 3));
        layout->addWidget(grid);
        if (primera == 1)
            NavMain->EditaControl = grid->box(QStringLiteral("C3I01"));
        primera += 6;
    }
    sbCapturaConta = botonCaptura();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(sbCapturaConta);
    layout->addLayout(buttons);
    layout->addStretch();
}

void TFMM111::paginaBis() {
    auto* layout = new QVBoxLayout(pagina(QStringLiteral("Liquidación (bis)")));
    auto* imagen = new BoxGrid(
        QStringLiteral("V.Contraprestaciones por la cesión de derechos de imagen. "
                       "Ingresos a cuenta previstos en el artículo 76.9 de la Ley 40/1998"),
        kColumnas, dm().QMaestro, prompts());
    imagen->addRow(QStringLiteral("Dinerarias o en especie"),
                   {{QStringLiteral("25"), QStringLiteral("C3V01"), BoxGrid::Kind::Count},
                    {QStringLiteral("26"), QStringLiteral("C3V02"), BoxGrid::Kind::Amount},
                    {QStringLiteral("27"), QStringLiteral("C3V03"), BoxGrid::Kind::Amount}});
    auto* total =
        new BoxGrid(QStringLiteral("VI. Total liquidación."), {}, dm().QMaestro, prompts());
    total->addRow(QStringLiteral("Suma de las retenciones e ingresos a cuenta"),
                  {{QStringLiteral("28"), QStringLiteral("C3T01"), BoxGrid::Kind::Computed}});
    total->addRow(
        QStringLiteral("A deducir (exclusivamente en caso de declaración complementaria)\n"
                       "Resultado de la anterior o anteriores declaraciones del mismo concepto, "
                       "ejercicio y período"),
        {{QStringLiteral("29"), QStringLiteral("C3T02"), BoxGrid::Kind::Amount}});
    total->addRow(QStringLiteral("Resultado a ingresar ( 28 - 29)"),
                  {{QStringLiteral("30"), QStringLiteral("C3T03"), BoxGrid::Kind::Computed}});
    ECasilla29 = static_cast<DBEdit*>(total->box(QStringLiteral("C3T02")));
    layout->addWidget(imagen);
    layout->addWidget(total);
    layout->addStretch();
}

void TFMM111::paginaOtrosDatos() {
    auto* layout = new QVBoxLayout(pagina(QStringLiteral("&Otros datos de la declaración")));
    auto* ingreso = new QGroupBox(QStringLiteral("Ingreso (4)"));
    auto* form = new QFormLayout(ingreso);
    auto* importe = new DBEdit(dm().QMaestro, QStringLiteral("C401"), prompts());
    importe->setMaximumWidth(140);
    auto* importeRow = new QHBoxLayout;
    importeRow->addWidget(importe);
    importeRow->addWidget(new QLabel(QStringLiteral("(Casilla 30)")));
    importeRow->addStretch();
    form->addRow(QStringLiteral("Importe del ingreso"), importeRow);
    auto* iban = new DBEdit(dm().QMaestro, QStringLiteral("IBAN"), prompts());
    iban->setMinimumWidth(300);
    form->addRow(QStringLiteral("IBAN"), iban);
    auto* tipo = new TDBComboBoxVC(
        dm().QMaestro, QStringLiteral("TIPO"), prompts(),
        {QStringLiteral("A ingresar"), QStringLiteral("Domiciliacion del ingreso"),
         QStringLiteral("Negativa"), QStringLiteral("A deducir")},
        {QStringLiteral("I"), QStringLiteral("U"), QStringLiteral("N"), QStringLiteral("B")});
    form->addRow(QStringLiteral("Seleccione el tipo de Declaración"), tipo);
    layout->addWidget(ingreso);
    layout->addStretch();
}

void TFMM111::btComplementariaClick() {
    btcomplementaria->setProperty("tag", complementaria() ? 0 : 1);
    muestraComplementaria();
}

void TFMM111::muestraComplementaria() {
    const bool on = complementaria();
    btcomplementaria->setChecked(on);
    for (QWidget* w : {static_cast<QWidget*>(LComplementaria), static_cast<QWidget*>(LJustificante),
                       static_cast<QWidget*>(EJustificante)})
        w->setVisible(on);
    ECasilla29->setLocked(!on);
}

// A stored earlier receipt means a complementary declaration: the mode follows it.
void TFMM111::DBComboBoxVC3Exit() {
    const db::Field* c602 = dm().QMaestro.findField(QStringLiteral("C602"));
    if (c602 && !c602->asString().trimmed().isEmpty() && EJustificante->isHidden())
        btComplementariaClick();
}

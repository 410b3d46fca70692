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

const std::vector<const char*> kColumnas = {"Nº de perceptores", "Importe de las  percepciones",
                                            "Importe de las retenciones"};

const BoxGroup kLiquidacion[] = {
    {"I.Rendimientos del trabajo",
     kColumnas,
     {{"Dinerarios", {"01", "02", "03"}}, {"En especie", {"04", "05", "06"}}}},
    {"II.Rendimientos de actividades económicas",
     kColumnas,
     {{"Dinerarios", {"07", "08", "09"}}, {"En especie", {"10", "11", "12"}}}},
    {"III.Premios por la participación en juegos, concursos, rifas o combinaciones aleatorias",
     kColumnas,
     {{"Dinerarios", {"13", "14", "15"}}, {"En especie", {"16", "17", "18"}}}},
    {"IV.Ganancias patrimoniales derivadas de los aprovechamientos forestales de los vecinos "
     "en montes públicos",
     kColumnas,
     {{"Dinerarios", {"19", "20", "21"}}, {"En especie", {"22", "23", "24"}}}},
};

const BoxGroup kBis[] = {
    {"V.Contraprestaciones por la cesión de derechos de imagen. Ingresos a cuenta previstos en "
     "el artículo 76.9 de la Ley 40/1998",
     kColumnas,
     {{"Dinerarias o en especie", {"25", "26", "27"}}}},
    {"VI. Total liquidación.",
     {},
     {{"Suma de las retenciones e ingresos a cuenta", {"28"}},
      {"A deducir (exclusivamente en caso de declaración complementaria)\nResultado de la "
       "anterior o anteriores declaraciones del mismo concepto, ejercicio y período",
       {"29"}},
      {"Resultado a ingresar ( 28 - 29)", {"30"}}}},
};

} // namespace

TFMM111::TFMM111(FormManager& manager)
    : PeriodicReturnForm(manager, manager.modules().CreaModuloDatos<TDMM111>()) {
    setObjectName(QStringLiteral("FMM111"));
    setWindowTitle(QStringLiteral("Retenciones e ingresos a cuenta   - MODELO 111"));

    modo_ = new ModoComplementario(dm().QMaestro, QStringLiteral("C602"), prompts());
    btcomplementaria = modo_->btcomplementaria;
    LComplementaria = modo_->LComplementaria;
    LJustificante = modo_->LJustificante;
    EJustificante = modo_->EJustificante;
    cabecera()->addWidget(modo_);
    cabecera()->addStretch();
    ficha()->addWidget(grupoAgencia());

    paginaLiquidacion();
    paginaBis();
    paginaOtrosDatos(QStringLiteral("Ingreso (4)"), QStringLiteral("C401"),
                     QStringLiteral("(Casilla 30)"),
                     {QStringLiteral("A ingresar"), QStringLiteral("Domiciliacion del ingreso"),
                      QStringLiteral("Negativa"), QStringLiteral("A deducir")},
                     {QStringLiteral("I"), QStringLiteral("U"), QStringLiteral("N"),
                      QStringLiteral("B")})->addStretch();
    modo_->abre(ECasilla29);

    // Connected after the combo box's own handler, which has written the period by then: the
    // record it chose is the one looked at.
    connect(DBComboBoxVC3, &QComboBox::activated, modo_, &ModoComplementario::siguePorJustificante);
    resize(900, 640);
}

TDMM111& TFMM111::dm111() const {
    return static_cast<TDMM111&>(module());
}

void TFMM111::paginaLiquidacion() {
    auto* layout = new QVBoxLayout(pagina(QStringLiteral("&Liquidacion (3)")));
    for (const BoxGroup& group : kLiquidacion) {
        auto* grid = new BoxGrid(group, dm(), prompts());
        if (QLineEdit* box01 = grid->box(QStringLiteral("C3I01")))
            NavMain->EditaControl = box01;
        layout->addWidget(grid);
    }
    filaCaptura(layout);
    layout->addStretch();
}

void TFMM111::paginaBis() {
    auto* layout = new QVBoxLayout(pagina(QStringLiteral("Liquidación (bis)")));
    for (const BoxGroup& group : kBis) {
        auto* grid = new BoxGrid(group, dm(), prompts());
        if (QLineEdit* box29 = grid->box(QStringLiteral("C3T02")))
            ECasilla29 = static_cast<DBEdit*>(box29);
        layout->addWidget(grid);
    }
    layout->addStretch();
}

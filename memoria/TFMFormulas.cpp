#include "memoria/TFMFormulas.h"

#include "config/TDMMain.h"
#include "framework/DBCheckBox.h"
#include "framework/DBEdit.h"
#include "framework/Prompts.h"
#include "framework/TDBComboBoxVC.h"
#include "framework/TDBGridOrder.h"
#include "framework/TDBNavigatorVC.h"
#include "framework/UserCommand.h"
#include "memoria/TDMMemorias.h"
#include "memoria/TdlgAyudaFormula.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

TFMFormulas::TFMFormulas(TDMMemorias& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
    setObjectName(QStringLiteral("FMFormulas"));
    setWindowTitle(QStringLiteral("Formulas"));
    framework::Prompts& prompts = dm.DMMain.prompts();
    db::DataSet& ds = dm.QFormulas;

    NavFormulas = new TDBNavigatorVC(prompts);
    NavFormulas->setObjectName(QStringLiteral("NavFormulas"));
    NavFormulas->setDataSource(&ds);

    auto* ficha = new QWidget;
    auto* form = new QFormLayout(ficha);
    auto* numero = new DBEdit(ds, QStringLiteral("FORMULA"), prompts);
    numero->setLocked(true);
    numero->setMaximumWidth(70);
    form->addRow(QStringLiteral("Formula"), numero);
    auto* nombre = new DBEdit(ds, QStringLiteral("TITULO"), prompts);
    nombre->setUpperCase(true);
    form->addRow(QStringLiteral("Nombre"), nombre);
    ESintaxis = new DBEdit(ds, QStringLiteral("SINTAXIS"), prompts);
    ESintaxis->setObjectName(QStringLiteral("ESintaxis"));
    ESintaxis->setUpperCase(true);
    ESintaxis->setToolTip(QStringLiteral("Pulse F1 para obtener ayuda en la sintáxis"));
    new QShortcut(
        QKeySequence(Qt::Key_F1), ESintaxis, this, [this] { TdlgAyudaFormula(this).exec(); },
        Qt::WidgetShortcut);
    form->addRow(QStringLiteral("Sintáxis"), ESintaxis);
    form->addRow(
        QStringLiteral("Condicion signo (+/-)"),
        new TDBComboBoxVC(ds, QStringLiteral("CONDICIONAL"), prompts,
                          {QStringLiteral("El signo no es condición "),
                           QStringLiteral("(+) Aparece la partida si tiene signo positivo"),
                           QStringLiteral("(-) Aparece la partida si tiene signo negativo")},
                          {QStringLiteral(" "), QStringLiteral("+"), QStringLiteral("-")}));
    form->addRow(QString(), new DBCheckBox(QStringLiteral("Valor absoluto"), ds,
                                           QStringLiteral("ABSOLUTO"), prompts));
    NavFormulas->EditaControl = nombre;
    NavFormulas->InsertaControl = nombre;

    auto* tabla = new QWidget;
    DBGFormulas = new TDBGridOrder(prompts, tabla);
    DBGFormulas->setObjectName(QStringLiteral("DBGFormulas"));
    DBGFormulas->setColumns({{QStringLiteral("MEMORIA"), QStringLiteral("Memoria")},
                             {QStringLiteral("CAPITULO"), QStringLiteral("Capítulo")},
                             {QStringLiteral("FORMULA"), QStringLiteral("Formula")},
                             {QStringLiteral("TITULO"), QStringLiteral("Nombre"), 220},
                             {QStringLiteral("SINTAXIS"), QStringLiteral("Sintáxis"), 260}});
    DBGFormulas->setDataSource(&ds);
    (new QVBoxLayout(tabla))->addWidget(DBGFormulas);

    PageControl1 = new QTabWidget;
    PageControl1->addTab(ficha, QStringLiteral("&Ficha"));
    PageControl1->addTab(tabla, QStringLiteral("&Tabla"));
    DBGFormulas->TabFicha = ficha;

    auto* botones = new QDialogButtonBox;
    QPushButton* pasar = botones->addButton(QStringLiteral("Pasar formula al capítulo"),
                                            QDialogButtonBox::AcceptRole);
    pasar->setObjectName(QStringLiteral("btnPasar"));
    botones->addButton(QStringLiteral("&Salir"), QDialogButtonBox::RejectRole);
    connect(botones, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NavFormulas);
    layout->addWidget(PageControl1, 1);
    layout->addWidget(botones);
    resize(760, 380);
}

// Posts what is being typed; false when the record refused it (the message shown).
bool TFMFormulas::grabaPendiente() {
    return framework::runCommand(dm_.DMMain.prompts(), [this] {
        if (dm_.QFormulas.editing())
            dm_.QFormulas.post();
    });
}

void TFMFormulas::accept() {
    if (!grabaPendiente())
        return;
    // A chapter without formulas has no placeholder to give.
    if (dm_.QFormulas.recordCount() == 0) {
        dm_.DMMain.prompts().error(QStringLiteral("El capítulo no tiene formulas"));
        return;
    }
    QDialog::accept();
}

void TFMFormulas::reject() {
    if (grabaPendiente())
        QDialog::reject();
}

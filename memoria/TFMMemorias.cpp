#include "memoria/TFMMemorias.h"

#include "framework/DBEdit.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/TDBGridFind.h"
#include "framework/TDBGridOrder.h"
#include "framework/TDBNavigatorVC.h"
#include "memoria/ContenidoDelegate.h"
#include "memoria/TDMMemorias.h"
#include "memoria/TMainForm.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

TFMMemorias::TFMMemorias(FormManager& manager)
    : TFMBase(manager, manager.modules().CreaModuloDatos<TDMMemorias>(), QStringLiteral("MEMORIA"),
              QStringLiteral("TITULO")) {
    setObjectName(QStringLiteral("FMMemorias"));
    setWindowTitle(QStringLiteral("Confección de Memorias"));
    db::DataSet& ds = module().QMaestro;
    auto* ficha = new QFormLayout(PEMain);
    auto* numero = new DBEdit(ds, QStringLiteral("MEMORIA"), prompts());
    numero->setMaximumWidth(90);
    ficha->addRow(QStringLiteral("Memoria"), numero);
    auto* nombre = new DBEdit(ds, QStringLiteral("TITULO"), prompts());
    ficha->addRow(QStringLiteral("Nombre"), nombre);
    NavMain->EditaControl = nombre;
    NavMain->InsertaControl = numero;

    DBGMain->setColumns({{QStringLiteral("MEMORIA"), QStringLiteral("Memoria")},
                         {QStringLiteral("TITULO"), QStringLiteral("Nombre"), 420}});
    DBGMain->CamposAOrdenar = {QStringLiteral("MEMORIA"), QStringLiteral("TITULO")};

    // The memorias above, their chapters below.
    auto* splitter = new QSplitter(Qt::Vertical);
    layout()->removeWidget(PageControl1);
    splitter->addWidget(PageControl1);
    splitter->addWidget(capitulos());
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({180, 420}); // the chapters are what is worked on
    static_cast<QVBoxLayout*>(layout())->addWidget(splitter, 1);
    resize(820, 600);
}

TDMMemorias& TFMMemorias::dm() const {
    return static_cast<TDMMemorias&>(module());
}

QWidget* TFMMemorias::capitulos() {
    auto* panel = new QGroupBox(QStringLiteral("Capítulos"));
    panel->setObjectName(QStringLiteral("PCapitulos"));
    NavCapitulos = new TDBNavigatorVC(prompts());
    NavCapitulos->setObjectName(QStringLiteral("NavCapitulos"));
    NavCapitulos->setDataSource(&dm().QCapitulos);
    NavCapitulos->Exclusivo = false;
    DBCapitulos = new TDBGridFind(prompts());
    DBCapitulos->setObjectName(QStringLiteral("DBCapitulos"));
    DBCapitulos->setColumns({{QStringLiteral("CAPITULO"), QStringLiteral("Capítulo")},
                             {QStringLiteral("TITULO"), QStringLiteral("Nombre"), 420},
                             {QStringLiteral("TEXTO"), QStringLiteral("Contenido"), 120}});
    DBCapitulos->setDataSource(&dm().QCapitulos);
    DBCapitulos->setItemDelegateForColumn(
        2,
        new ContenidoDelegate(
            *DBCapitulos, [this] { run([this] { DBCapitulosEditButtonClick(); }); }, DBCapitulos));
    // The keyboard's way to the ellipsis.
    new QShortcut(
        QKeySequence(Qt::CTRL | Qt::Key_Return), DBCapitulos, this,
        [this] { run([this] { DBCapitulosEditButtonClick(); }); }, Qt::WidgetShortcut);
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(NavCapitulos);
    layout->addWidget(DBCapitulos, 1);
    return panel;
}

void TFMMemorias::DBCapitulosEditButtonClick() {
    db::DataSet& capitulo = dm().QCapitulos;
    if (capitulo.editing())
        capitulo.post();
    if (capitulo.recordCount() == 0)
        return;
    TMainForm editor(dm(), this);
    editor.LMemoria->setText(TDMMemorias::NumeroYTitulo(dm().QMaestro, QStringLiteral("MEMORIA")));
    editor.LCapitulo->setText(TDMMemorias::NumeroYTitulo(capitulo, QStringLiteral("CAPITULO")));
    editor.carga(capitulo.field(QStringLiteral("TEXTO")).asBytes());
    if (editor.exec() != QDialog::Accepted || !editor.modificado())
        return;
    capitulo.edit();
    capitulo.field(QStringLiteral("TEXTO")).setAsBytes(editor.contenido());
    capitulo.post();
}

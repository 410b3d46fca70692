#include "returns/informative/InformativeReturnForm.h"

#include "config/TDMMain.h"
#include "framework/CharacterFilter.h"
#include "framework/DBEdit.h"
#include "framework/TDBComboBoxVC.h"
#include "framework/TDBEDITFIND.h"
#include "framework/TDBNavigatorVC.h"
#include "returns/FileViewerDialog.h"
#include "returns/informative/InformativeReturn.h"
#include "util/Error.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* boton(const QString& name, const QString& text, const QString& hint) {
    auto* b = new QToolButton;
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(hint);
    return b;
}

} // namespace

InformativeReturnForm::InformativeReturnForm(FormManager& manager, InformativeReturn& module,
                                             const QString& hint, const QStringList& presentaciones)
    : TFModelos(manager, module) {
    TBMain->addSeparator();
    btImprime = boton(QStringLiteral("btImprime"), QStringLiteral("Fichero"), hint);
    btImprime->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    btImprime->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    TBMain->addWidget(btImprime);
    connect(btImprime, &QToolButton::clicked, this,
            [this] { run([this] { dm().GeneraFichero(); }); });
    auto* altI = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_I), this);
    connect(altI, &QShortcut::activated, btImprime, &QToolButton::click);
    btVerFichero = boton(QStringLiteral("btVerFichero"), QStringLiteral("Ver fichero"),
                         QStringLiteral("Muestra campo a campo el último fichero grabado"));
    btVerFichero->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    btVerFichero->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    TBMain->addWidget(btVerFichero);
    connect(btVerFichero, &QToolButton::clicked, this, [this] { run([this] { verFichero(); }); });

    auto* card = new QVBoxLayout(PEMain);
    cabecera_ = creaCabecera(presentaciones);
    card->addLayout(cabecera_);
    card->addStretch();
    // The lists are worked on while the return rests: outside the card, which opens only
    // while the return is edited.
    static_cast<QVBoxLayout*>(layout())->setStretchFactor(PageControl1, 0);
    // The whole card shows: the lists take what is left.
    PageControl1->setMinimumHeight(PEMain->sizeHint().height() +
                                   PageControl1->tabBar()->sizeHint().height() + 24);
    static_cast<QVBoxLayout*>(layout())->addWidget(creaDetalle(), 1);
    NavMain->InsertaControl = EDeclarante;
    NavMain->EditaControl = EDeclarante;
}

InformativeReturn& InformativeReturnForm::dm() const {
    return static_cast<InformativeReturn&>(module());
}

QGridLayout* InformativeReturnForm::creaCabecera(const QStringList& presentaciones) {
    db::DataSet& ds = dm().QMaestro;
    auto* grid = new QGridLayout;
    EDeclarante = new TDBEDITFIND(ds, QStringLiteral("DECLARANTE"), prompts(),
                                  {QStringLiteral("T_CONTRIBUYENTES"),
                                   {QStringLiteral("CONTRIBUYENTE"), QStringLiteral("TITULO")},
                                   QStringLiteral("CONTRIBUYENTE"),
                                   QStringLiteral("TITULO"),
                                   {}});
    EDeclarante->setMaximumWidth(80);
    auto* nombre = new QLineEdit;
    nombre->setReadOnly(true);
    nombre->setFocusPolicy(Qt::NoFocus);
    EDeclarante->setLookUpEdit(nombre);
    const auto edit = [&](const char* campo, const QString& permitidos = {}) {
        auto* e = new DBEdit(ds, QLatin1String(campo), prompts());
        if (!permitidos.isEmpty())
            e->installEventFilter(new CharacterFilter(permitidos, e));
        return e;
    };
    QStringList codigos;
    for (int i = 0; i < presentaciones.size(); ++i)
        codigos << QString::number(i);
    const QString& alfabetico = CharacterFilter::kAlphabetic;
    grid->addWidget(new QLabel(QStringLiteral("Contribuyente")), 0, 0);
    grid->addWidget(EDeclarante, 0, 1);
    grid->addWidget(nombre, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Persona contacto")), 1, 0);
    grid->addWidget(edit("PERSONA", alfabetico), 1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Fecha")), 1, 3);
    grid->addWidget(edit("FECHA"), 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Tipo declaración")), 2, 0);
    grid->addWidget(
        new TDBComboBoxVC(ds, QStringLiteral("TIPO"), prompts(),
                          {QStringLiteral("ORDINARIA"), QStringLiteral("COMPLEMENTARIA"),
                           QStringLiteral("SUSTITUTIVA")},
                          {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")}),
        2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Nº Identificativo declaración anterior")), 2, 3);
    grid->addWidget(edit("JUSTIFICANTE"), 2, 4);
    grid->addWidget(new QLabel(QStringLiteral("Presentación en ")), 3, 0);
    grid->addWidget(
        new TDBComboBoxVC(ds, QStringLiteral("PRESENTACION"), prompts(), presentaciones, codigos),
        3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Firmante")), 4, 0);
    grid->addWidget(edit("FIRMANTE", alfabetico), 4, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Cargo")), 4, 3);
    grid->addWidget(edit("CARGO", alfabetico), 4, 4);
    auto* agencia = new DBEdit(dm().xAgencia, QStringLiteral("TITULO_ADMON"), prompts());
    agencia->setLocked(true);
    agencia->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(new QLabel(QStringLiteral("Administración")), 5, 0);
    grid->addWidget(agencia, 5, 1, 1, 4);
    grid->setColumnStretch(2, 1);
    return grid;
}

QWidget* InformativeReturnForm::creaDetalle() {
    auto* box = new QGroupBox;
    auto* layout = new QVBoxLayout(box);
    auto* barra = new QHBoxLayout;
    botones_ = new QHBoxLayout;
    barra->addLayout(botones_);
    NavDetalle = new TDBNavigatorVC(prompts());
    NavDetalle->setObjectName(QStringLiteral("NavDetalle"));
    NavDetalle->Exclusivo = false;
    barra->addWidget(NavDetalle);
    barra->addStretch();
    btConta = boton(QStringLiteral("btConta"), QStringLiteral("Captura contabilidad"),
                    QStringLiteral("Captura los datos desde la contabilidad del contribuyente"));
    connect(btConta, &QToolButton::clicked, this,
            [this] { run([this] { dm().CapturaContabilidad(); }); });
    barra->addWidget(btConta);
    layout->addLayout(barra);
    PDetalle = new QStackedWidget;
    layout->addWidget(PDetalle, 1);
    // The lists take the height the window leaves them, at least a few rows.
    box->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    box->setMinimumHeight(280);
    return box;
}

QToolButton* InformativeReturnForm::lista(const QString& titulo, db::DataSet& filas,
                                          QWidget* paginas, bool reabre) {
    const int indice = int(listas_.size());
    listas_.append({&filas, reabre});
    PDetalle->addWidget(paginas);
    auto* b = boton(QStringLiteral("bt") + titulo, titulo, QString());
    b->setCheckable(true);
    b->setAutoExclusive(true);
    botones_->addWidget(b);
    connect(b, &QToolButton::clicked, this, [this, indice] { muestraLista(indice); });
    if (indice == 0) {
        b->setChecked(true);
        muestraLista(0);
    }
    return b;
}

QWidget* InformativeReturnForm::desplazable(QWidget* ficha) {
    auto* area = new QScrollArea;
    area->setWidget(ficha);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

void InformativeReturnForm::muestraLista(int indice) {
    const Lista& l = listas_[indice];
    run([&] {
        if (l.reabre && dm().QMaestro.active()) {
            l.filas->close();
            l.filas->open();
        }
    });
    NavDetalle->setDataSource(l.filas);
    PDetalle->setCurrentIndex(indice);
}

// The print file is the last one written.
void InformativeReturnForm::verFichero() {
    const QString path = dm().rutaImpresion();
    if (!QFileInfo::exists(path))
        throw tributra::Error(QStringLiteral("Todavía no se ha grabado el fichero %1")
                                  .arg(QDir::toNativeSeparators(path)));
    FileViewerDialog(path, this).exec();
}

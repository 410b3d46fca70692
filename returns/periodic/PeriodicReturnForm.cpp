#include "returns/periodic/PeriodicReturnForm.h"

#include "framework/DBCheckBox.h"
#include "framework/DBEdit.h"
#include "framework/DBShadedBox.h"
#include "framework/TDBComboBoxVC.h"
#include "framework/TDBEDITFIND.h"
#include "framework/TDBNavigatorVC.h"
#include "returns/FileViewerDialog.h"
#include "returns/periodic/PeriodicReturn.h"
#include "returns/periodic/TFImpModelo.h"
#include "util/Error.h"

#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

PeriodicReturnForm::PeriodicReturnForm(FormManager& manager, PeriodicReturn& module)
    : TFModelos(manager, module) {
    TBMain->addSeparator();
    if (module.impresion()) {
        btImprime = botonBarra(QStringLiteral("btImprime"), QStringLiteral("Imprime"),
                               QStyle::SP_FileIcon,
                               QStringLiteral("Imprime la declaración (ALT + I)"));
        connect(btImprime, &QToolButton::clicked, this, [this] { imprime(); });
        auto* altI = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_I), this);
        connect(altI, &QShortcut::activated, this, [this] { imprime(); });
    }
    btTelematica = botonBarra(QStringLiteral("btTelematica"), QStringLiteral("Telemática"),
                              QStyle::SP_DialogSaveButton,
                              QStringLiteral("Genera fichero para su presentación por Internet"));
    connect(btTelematica, &QToolButton::clicked, this,
            [this] { run([this] { dm().GeneraFichero(); }); });
    btVerFichero = botonBarra(QStringLiteral("btVerFichero"), QStringLiteral("Ver fichero"),
                              QStyle::SP_FileDialogContentsView,
                              QStringLiteral("Muestra campo a campo el último fichero grabado"));
    connect(btVerFichero, &QToolButton::clicked, this, [this] { run([this] { verFichero(); }); });

    db::DataSet& ds = module.QMaestro;
    EContribuyente = new TDBEDITFIND(ds, QStringLiteral("CONTRIBUYENTE"), prompts(),
                                     {QStringLiteral("T_CONTRIBUYENTES"),
                                      {QStringLiteral("CONTRIBUYENTE"), QStringLiteral("TITULO")},
                                      QStringLiteral("CONTRIBUYENTE"),
                                      QStringLiteral("TITULO"),
                                      {}});
    EContribuyente->setMaximumWidth(80);
    ETitulo = new QLineEdit;
    ETitulo->setMinimumWidth(320);
    EContribuyente->setLookUpEdit(ETitulo);
    auto* taxpayer = new QGridLayout;
    taxpayer->addWidget(new QLabel(QStringLiteral("Contribuyente")), 0, 0);
    taxpayer->addWidget(new QLabel(QStringLiteral("Apellidos nombre o Razón Social")), 0, 1);
    taxpayer->addWidget(EContribuyente, 1, 0);
    taxpayer->addWidget(ETitulo, 1, 1);
    // A return of the year has one record per taxpayer and no period.
    if (module.model().conPeriodo()) {
        QStringList periodos, valoresPeriodo;
        for (const periods::Period& p : module.model().periodos) {
            periodos << QString::fromUtf8(p.caption);
            valoresPeriodo << QString::fromLatin1(p.code);
        }
        DBComboBoxVC3 =
            new TDBComboBoxVC(ds, QStringLiteral("PERIODO"), prompts(), periodos, valoresPeriodo);
        taxpayer->addWidget(new QLabel(QStringLiteral("Período")), 0, 2);
        taxpayer->addWidget(DBComboBoxVC3, 1, 2);
    }
    cabecera_ = new QHBoxLayout;
    cabecera_->addLayout(taxpayer);

    PCModelo = new QTabWidget;
    PCModelo->setObjectName(QStringLiteral("PCModelo"));
    ficha_ = new QVBoxLayout;
    auto* card = new QVBoxLayout(PEMain);
    card->addLayout(cabecera_);
    card->addLayout(ficha_);
    card->addWidget(PCModelo, 1);

    NavMain->InsertaControl = EContribuyente;
    NavMain->BeforeAction = [this](TDBNavigatorVC::Button b) { NavMainBeforeAction(b); };
}

QToolButton* PeriodicReturnForm::botonBarra(const QString& name, const QString& text,
                                            QStyle::StandardPixmap icon, const QString& hint) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setText(text);
    button->setIcon(style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setToolTip(hint);
    TBMain->addWidget(button);
    return button;
}

// The print file handed to the agency's printing tool after the print conditions.
void PeriodicReturnForm::imprime() {
    run([this] {
        dm().ImprimeDeclaracion(
            [this](const PeriodicReturn::CondicionesListado& condiciones) -> std::optional<bool> {
                TFImpModelo dialogo(condiciones, this);
                if (dialogo.exec() != QDialog::Accepted)
                    return std::nullopt;
                return dialogo.CBCopia->isChecked();
            });
    });
}

// The print file is the model's last file: every writing replaces it.
void PeriodicReturnForm::verFichero() {
    const QString path = dm().rutaImpresion();
    if (!QFileInfo::exists(path))
        throw tributra::Error(QStringLiteral("Todavía no se ha grabado el fichero %1")
                                  .arg(QDir::toNativeSeparators(path)));
    FileViewerDialog(path, this).exec();
}

PeriodicReturn& PeriodicReturnForm::dm() const {
    return static_cast<PeriodicReturn&>(module());
}

void PeriodicReturnForm::NavMainBeforeAction(TDBNavigatorVC::Button button) {
    if (button == TDBNavigatorVC::Button::Insert || button == TDBNavigatorVC::Button::Edit)
        PCModelo->setCurrentIndex(0);
}

void PeriodicReturnForm::filaCaptura(QVBoxLayout* layout) {
    sbCapturaConta = new QToolButton;
    sbCapturaConta->setObjectName(QStringLiteral("sbCapturaConta"));
    sbCapturaConta->setText(QStringLiteral("Contabili&dad"));
    sbCapturaConta->setToolTip(QStringLiteral("Captura datos desde contabilidad"));
    connect(sbCapturaConta, &QToolButton::clicked, this,
            [this] { run([this] { dm().CapturaContabilidad(); }); });
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(sbCapturaConta);
    layout->addLayout(row);
}

QVBoxLayout* PeriodicReturnForm::paginaOtrosDatos(const QString& grupo, const QString& importe,
                                          const QString& casilla, const QStringList& tipos,
                                          const QStringList& valores) {
    auto* layout = new QVBoxLayout(pagina(QStringLiteral("&Otros datos de la declaración")));
    auto* ingreso = new QGroupBox(grupo);
    auto* form = new QFormLayout(ingreso);
    QLineEdit* pago = dm().calculadas().locked(importe)
                          ? static_cast<QLineEdit*>(new DBShadedBox(dm().QMaestro, importe, prompts()))
                          : new DBEdit(dm().QMaestro, importe, prompts());
    pago->setMaximumWidth(140);
    auto* importeRow = new QHBoxLayout;
    importeRow->addWidget(pago);
    importeRow->addWidget(new QLabel(casilla));
    importeRow->addStretch();
    form->addRow(QStringLiteral("Importe del ingreso"), importeRow);
    auto* iban = new DBEdit(dm().QMaestro, QStringLiteral("IBAN"), prompts());
    iban->setMinimumWidth(300);
    form->addRow(QStringLiteral("IBAN"), iban);
    form->addRow(QStringLiteral("Seleccione el tipo de Declaración"),
                 new TDBComboBoxVC(dm().QMaestro, QStringLiteral("TIPO"), prompts(), tipos, valores));
    layout->addWidget(ingreso);
    return layout;
}

QGroupBox* PeriodicReturnForm::grupoAgencia() {
    auto* group = new QGroupBox(QStringLiteral("Agencia Tributaria"));
    auto* layout = new QHBoxLayout(group);
    for (const auto& [caption, field, width] :
         {std::tuple{"Delegación de ", "DELEGACION", 200},
          std::tuple{"Administración de ", "TITULO_ADMON", 200},
          std::tuple{"Código adm.", "ADMINISTRACION", 60}}) {
        auto* edit = new DBEdit(dm().xAgencia, QString::fromLatin1(field), prompts());
        edit->setLocked(true);
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setMinimumWidth(width);
        layout->addWidget(new QLabel(QString::fromUtf8(caption)));
        layout->addWidget(edit, width);
    }
    return group;
}

DBCheckBox* PeriodicReturnForm::cabeceraComplementaria(const QString& marca,
                                                       const QString& justificante,
                                                       QList<QWidget*> abre) {
    auto* box = new DBCheckBox(QStringLiteral("Autoliquidación complementaria "), dm().QMaestro,
                               marca, prompts(), QStringLiteral("1"), QStringLiteral("0"));
    box->setObjectName(QStringLiteral("CBComplementaria"));
    auto* receipt = new DBEdit(dm().QMaestro, justificante, prompts());
    receipt->setMaximumWidth(130);
    abre.prepend(receipt);
    const auto follow = [box, abre] {
        for (QWidget* w : abre)
            w->setEnabled(box->isChecked());
    };
    connect(box, &QCheckBox::toggled, this, follow);
    follow();
    auto* grid = new QGridLayout;
    grid->addWidget(box, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Nº de justificante")), 1, 0);
    grid->addWidget(receipt, 1, 1);
    cabecera_->addLayout(grid);
    cabecera_->addStretch();
    return box;
}

QWidget* PeriodicReturnForm::pagina(const QString& title) {
    auto* page = new QWidget;
    PCModelo->addTab(page, title);
    return page;
}

#include "taxpayers/TFMContribuyentes.h"

#include "framework/CharacterFilter.h"
#include "framework/DBCheckBox.h"
#include "framework/DBEdit.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/Prompts.h"
#include "framework/TDBComboBoxVC.h"
#include "framework/TDBEDITFIND.h"
#include "framework/TDBGridOrder.h"
#include "framework/TDBNavigatorVC.h"
#include "taxpayers/TDMContribuyentes.h"

#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

namespace {

QToolButton* dotsButton(const QString& hint) {
    auto* b = new QToolButton;
    b->setText(QStringLiteral("..."));
    b->setToolTip(hint);
    return b;
}

QWidget* withButton(QWidget* edit, QWidget* button) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit, 1);
    layout->addWidget(button);
    return row;
}

} // namespace

TFMContribuyentes::TFMContribuyentes(FormManager& manager)
    : TFMBase(manager, manager.modules().CreaModuloDatos<TDMContribuyentes>(),
              QStringLiteral("CONTRIBUYENTE"), QStringLiteral("TITULO")) {
    setObjectName(QStringLiteral("FMContribuyentes"));
    setWindowTitle(QStringLiteral("Mantenimiento de contribuyentes"));
    db::DataSet& ds = module().QMaestro;
    const QString& alnum = CharacterFilter::kAlphanumeric;
    const QString& alpha = CharacterFilter::kAlphabetic;

    auto* top = new QFormLayout;
    EContribuyente = edit(top, QStringLiteral("Número"), QStringLiteral("CONTRIBUYENTE"));
    EContribuyente->setMaximumWidth(90);

    auto* identification = new QGroupBox(QStringLiteral("Datos de identificación"));
    auto* id = new QFormLayout(identification);
    edit(id, QStringLiteral("N.I.F."), QStringLiteral("NIF"), alnum)->setUpperCase(true);
    edit(id, QStringLiteral("Apellidos y Nombre o Razón Social"), QStringLiteral("APELLIDOS"),
         alnum)
        ->setUpperCase(true);
    edit(id, QStringLiteral("Nombre (Obligatorio para P.F.)"), QStringLiteral("NOMBRE"), alnum);
    auto* siglas = new TDBEDITFIND(ds, QStringLiteral("SIGLAS"), prompts(),
                                   {QStringLiteral("T_SIGLAS"),
                                    {QStringLiteral("SIGLAS"), QStringLiteral("TITULO")},
                                    QStringLiteral("SIGLAS"),
                                    {},
                                    {}});
    siglas->setMaximumWidth(60);
    id->addRow(QStringLiteral("Siglas"), siglas);
    edit(id, QStringLiteral("Nombre de la vía pública"), QStringLiteral("DOMICILIO"), alnum);
    auto* street = new QHBoxLayout;
    for (const auto& [caption, field] :
         {std::pair{"Número", "NUMERO"}, std::pair{"Escalera", "ESCALERA"},
          std::pair{"Piso", "PISO"}, std::pair{"Puerta", "PUERTA"}}) {
        auto* form = new QFormLayout;
        edit(form, QString::fromUtf8(caption), QString::fromLatin1(field), alnum);
        street->addLayout(form);
    }
    id->addRow(street);
    edit(id, QStringLiteral("Código Postal"), QStringLiteral("COD_POSTAL"), alnum)
        ->setMaximumWidth(80);
    edit(id, QStringLiteral("Municipio"), QStringLiteral("MUNICIPIO"), alpha)->setUpperCase(true);
    edit(id, QStringLiteral("Provincia"), QStringLiteral("PROVINCIA"), alpha)->setUpperCase(true);
    edit(id, QStringLiteral("Teléfono"), QStringLiteral("TELEFONO"), alnum);
    edit(id, QStringLiteral("Letras etiqueta"), QStringLiteral("LETRAS"), alnum)
        ->setMaximumWidth(80);

    auto* others = new QGroupBox(QStringLiteral("Otros datos"));
    auto* ot = new QFormLayout(others);
    ot->addRow(
        QStringLiteral("Forma de pago"),
        new TDBComboBoxVC(
            ds, QStringLiteral("FP"), prompts(),
            {QStringLiteral("No consta"), QStringLiteral("Efectivo"),
             QStringLiteral("Adeudo en cuenta"), QStringLiteral("Domiciliacion")},
            {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    edit(ot, QStringLiteral("C.C.C. (20 dígitos"), QStringLiteral("CCC"));
    auto* fichero = new DBEdit(ds, QStringLiteral("FICHERO_CTBLE"), prompts());
    auto* ficheroButton = dotsButton(QString());
    ot->addRow(QStringLiteral("Fichero enlace contable"), withButton(fichero, ficheroButton));
    connect(ficheroButton, &QToolButton::clicked, this,
            [this, fichero] { buttonFicheroClick(fichero); });
    edit(ot, QStringLiteral("%Participacion "), QStringLiteral("PARTICIPACION"))
        ->setPuntoToComa(true);
    edit(ot, QStringLiteral("Subcuenta pagos fraccionados"), QStringLiteral("CUENTA_PF"));
    auto* iban = new DBEdit(ds, QStringLiteral("IBAN"), prompts());
    auto* ibanButton = dotsButton(QStringLiteral("Cálculo IBAN desde CCC"));
    ot->addRow(QStringLiteral("IBAN"), withButton(iban, ibanButton));
    connect(ibanButton, &QToolButton::clicked, this,
            [this] { run([this] { dm().CalculaIBAN(); }); });
    ot->addRow(QString(), new DBCheckBox(QStringLiteral("Sin actividad"), ds,
                                         QStringLiteral("SIN_ACTIVIDAD"), prompts()));

    auto* bottom = new QFormLayout;
    EAdministracion = new TDBEDITFIND(ds, QStringLiteral("ADMINISTRACION"), prompts(),
                                      {QStringLiteral("T_ADMINISTRACIONES"),
                                       {QStringLiteral("ADMINISTRACION"), QStringLiteral("TITULO")},
                                       QStringLiteral("ADMINISTRACION"),
                                       QStringLiteral("TITULO"),
                                       {}});
    EAdministracion->setMaximumWidth(80);
    EAdministracionTitulo = new QLineEdit;
    EAdministracion->setLookUpEdit(EAdministracionTitulo);
    bottom->addRow(QStringLiteral("Código de Administración"),
                   withButton(EAdministracion, EAdministracionTitulo));
    edit(bottom, QStringLiteral("Persona de contacto"), QStringLiteral("PERSONA"), alpha);
    edit(bottom, QStringLiteral("Firmante declaración"), QStringLiteral("FIRMANTE"), alpha);
    edit(bottom, QStringLiteral("Cargo"), QStringLiteral("CARGO"), alpha);

    for (QFormLayout* f : {top, id, ot, bottom})
        f->setVerticalSpacing(3);
    auto* columns = new QHBoxLayout;
    columns->addWidget(identification, 1);
    columns->addWidget(others, 1);
    auto* card = new QVBoxLayout(PEMain);
    card->addLayout(top);
    card->addLayout(columns);
    card->addLayout(bottom);
    card->addStretch();

    resize(960, 660);
    NavMain->InsertaControl = EContribuyente;
    NavMain->EditaControl = EAdministracion;
    DBGMain->setColumns({{QStringLiteral("CONTRIBUYENTE"), QStringLiteral("Número"), 80},
                         {QStringLiteral("TITULO"), QStringLiteral("Titulo"), 340},
                         {QStringLiteral("NIF"), QStringLiteral("N.I.F."), 100}});
    DBGMain->CamposAOrdenar = {QStringLiteral("CONTRIBUYENTE"), QStringLiteral("TITULO"),
                               QStringLiteral("NIF")};
}

TDMContribuyentes& TFMContribuyentes::dm() const {
    return static_cast<TDMContribuyentes&>(module());
}

DBEdit* TFMContribuyentes::edit(QFormLayout* form, const QString& caption, const QString& field,
                                const QString& allowed) {
    auto* e = new DBEdit(module().QMaestro, field, prompts());
    if (!allowed.isEmpty())
        e->installEventFilter(new CharacterFilter(allowed, e));
    form->addRow(caption, e);
    return e;
}

void TFMContribuyentes::buttonFicheroClick(DBEdit* fichero) {
    const QString chosen = prompts().openFileName(
        {QString(), QFileInfo(fichero->text()).path(), QString(),
         QStringLiteral("Database Files (*.gdb)|*.gdb|All files (*.*)|*.*"), QString()});
    if (!chosen.isEmpty())
        fichero->enterText(QDir::toNativeSeparators(chosen));
}

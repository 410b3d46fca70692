#include "accounts/TFMIDP.h"

#include "accounts/TDMIDP.h"
#include "accounts/TFMBA.h"
#include "accounts/TFMPyG.h"
#include "accounts/ProvinceBox.h"
#include "accounts/TFMSolicitud.h"
#include "framework/DBCheckBox.h"
#include "framework/DBEdit.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/TDBComboBoxVC.h"
#include "framework/TDBEDITFIND.h"
#include "framework/TDBNavigatorVC.h"

#include <QEventLoop>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

TFMIDP::TFMIDP(FormManager& manager)
    : TFModelos(manager, manager.modules().CreaModuloDatos<TDMIDP>()), manager_(manager) {
    setObjectName(QStringLiteral("FMIDP"));
    setWindowTitle(QStringLiteral("DATOS GENERALES DE IDENTIFICACION - DEPOSITO C.A. PYMES 2017"));
    TBMain->addSeparator();
    btnBalance = boton(QStringLiteral("btnBalance"), QStringLiteral("Balance"),
                       QStringLiteral("Balance situación Pymes"));
    connect(btnBalance, &QToolButton::clicked, this, [this] { abre<TFMBA>(); });
    btnPyG = boton(QStringLiteral("btnPyG"), QStringLiteral("Pérdidas y ganancias"),
                   QStringLiteral("Pérdidas y ganancias - Pymes"));
    connect(btnPyG, &QToolButton::clicked, this, [this] { abre<TFMPyG>(); });
    btnPresenta = boton(QStringLiteral("btnPresenta"), QStringLiteral("Solicitud"),
                        QStringLiteral("Solicitud de presentación"));
    connect(btnPresenta, &QToolButton::clicked, this, [this] { abre<TFMSolicitud>(); });

    auto* card = new QVBoxLayout(PEMain);
    card->addWidget(identificacion());
    card->addWidget(personal());
    card->addStretch();
    resize(980, 680);
}

TDMIDP& TFMIDP::dm() const {
    return static_cast<TDMIDP&>(module());
}

QToolButton* TFMIDP::boton(const QString& name, const QString& text, const QString& hint) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    TBMain->addWidget(button);
    return button;
}

// Nothing opens while the sheet has no taxpayer.
template <class Form> void TFMIDP::abre() {
    const db::Field* empresa = dm().QMaestro.findField(QStringLiteral("EMPRESA"));
    if (!empresa || empresa->asInteger() == 0)
        return;
    const int numero = empresa->asInteger();
    run([&] {
        QPointer<Form> form = new Form(manager_);
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->setWindowModality(Qt::ApplicationModal);
        form->FijaEmpresa(numero);
        const QRect pantalla = screen()->availableGeometry();
        form->move(pantalla.center() - form->rect().center());
        form->show();
        QEventLoop loop;
        connect(form, &QObject::destroyed, &loop, &QEventLoop::quit);
        loop.exec();
    });
}

QWidget* TFMIDP::identificacion() {
    db::DataSet& ds = dm().QMaestro;
    auto* group = new QWidget;
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(3);
    int row = 0;
    auto fila = [&](const QString& label, const char* code, QWidget* w, int span = 3) {
        grid->addWidget(new QLabel(label), row, 0);
        grid->addWidget(new QLabel(QLatin1String(code)), row, 1);
        grid->addWidget(w, row++, 2, 1, span);
    };
    auto edit = [&](const char* field) { return new DBEdit(ds, QLatin1String(field), prompts()); };

    auto* empresa = new TDBEDITFIND(ds, QStringLiteral("EMPRESA"), prompts(),
                                    {QStringLiteral("T_CONTRIBUYENTES"),
                                     {QStringLiteral("CONTRIBUYENTE"), QStringLiteral("TITULO")},
                                     QStringLiteral("CONTRIBUYENTE"),
                                     QStringLiteral("TITULO"),
                                     {}});
    empresa->setMaximumWidth(80);
    auto* titulo = new QLineEdit;
    empresa->setLookUpEdit(titulo);
    NavMain->InsertaControl = empresa;
    auto* empresaRow = new QHBoxLayout;
    empresaRow->addWidget(empresa);
    empresaRow->addWidget(titulo, 1);
    grid->addWidget(new QLabel(QStringLiteral("Empresa")), row, 0);
    grid->addLayout(empresaRow, row++, 2, 1, 3);
    auto* deposito = edit("DEPOSITO");
    deposito->setToolTip(QStringLiteral("Nombre de la carpeta donde se guardarán las cuentas"));
    deposito->setMaximumWidth(100);
    fila(QStringLiteral("Nombre depósito"), "", deposito, 1);
    fila(QStringLiteral("Descripción depósito:"), "", edit("DESCRIPCION"));
    auto* nif = edit("NIF");
    nif->setMaximumWidth(110);
    fila(QStringLiteral("NIF:"), "01010", nif, 1);
    auto* forma = new QHBoxLayout;
    forma->addWidget(new DBCheckBox(QStringLiteral("S.A."), ds, QStringLiteral("SA"), prompts()));
    forma->addWidget(new QLabel(QStringLiteral("01011")));
    forma->addWidget(new DBCheckBox(QStringLiteral("S.L."), ds, QStringLiteral("SL"), prompts()));
    forma->addWidget(new QLabel(QStringLiteral("01012")));
    forma->addWidget(new QLabel(QStringLiteral("Otras:")));
    forma->addWidget(new QLabel(QStringLiteral("01013")));
    forma->addWidget(edit("OTRAS"));
    forma->addStretch();
    grid->addWidget(new QLabel(QStringLiteral("Forma jurídica")), row, 0);
    grid->addLayout(forma, row++, 2, 1, 3);
    fila(QStringLiteral("Denominación social:"), "01020", edit("NOMBRESOCIAL"));
    fila(QStringLiteral("Domicilio social:"), "01022", edit("DOMISOCIAL"));
    fila(QStringLiteral("Municipio:"), "01023", edit("MUNICIPIO"));
    auto* postal = edit("CODPOSTAL");
    postal->setMaximumWidth(80);
    fila(QStringLiteral("Código Postal:"), "01024", postal, 1);
    fila(QStringLiteral("Provincia"), "01025",
         new ProvinceBox(ds, QStringLiteral("IDPROVINCIA"), dm().qProvincias, prompts()), 1);
    auto* telefono = edit("TELEFONO");
    telefono->setMaximumWidth(110);
    fila(QStringLiteral("Teléfono:"), "01031", telefono, 1);

    // A code chosen from the list brings its description as the main activity.
    auto* cnae = new TDBEDITFIND(ds, QStringLiteral("CNAE"), prompts(),
                                 {QStringLiteral("CNAE"),
                                  {QStringLiteral("CODIGO"), QStringLiteral("DESCRIPCION")},
                                  QStringLiteral("CODIGO"),
                                  QStringLiteral("DESCRIPCION"),
                                  {}});
    cnae->setMaximumWidth(80);
    auto* descripcion = new QLineEdit;
    cnae->setLookUpEdit(descripcion);
    descripcion->hide();
    connect(descripcion, &QLineEdit::textChanged, this, [this, &ds](const QString& text) {
        if (ds.editing() && !text.isEmpty())
            run([&] { ds.field(QStringLiteral("ACTIVIDAD")).setAsString(text); });
    });
    fila(QStringLiteral("Código CNAE:"), "02001", cnae, 1);
    fila(QStringLiteral("Actividad principal:"), "02009", edit("ACTIVIDAD"));
    auto* cierre = edit("FECHA_CIERRE");
    cierre->setMaximumWidth(100);
    fila(QStringLiteral("Fecha de cierre a la que van referidas las cuentas:"), "01101", cierre, 1);
    auto* micro = new QWidget;
    auto* microRow = new QHBoxLayout(micro);
    microRow->setContentsMargins(0, 0, 0, 0);
    microRow->addWidget(
        new DBCheckBox(QStringLiteral("Microempresa"), ds, QStringLiteral("MICROEMPRESA"), prompts()));
    microRow->addWidget(new QLabel(QStringLiteral("Marque con X si la empresa ha optado por la "
                                                  "adopción\nconjunta de los criteros específicos "
                                                  "aplicables por microempresa.")));
    microRow->addStretch();
    fila(QString(), "01902", micro);
    grid->setColumnStretch(4, 1);
    return group;
}

QWidget* TFMIDP::personal() {
    db::DataSet& ds = dm().QMaestro;
    auto* group = new QGroupBox(QStringLiteral("Personal asalariado (cifra media del ejercicio)"));
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("AÑO 2017")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("AÑO 2016")), 0, 2);
    int row = 1;
    for (const auto& [caption, actual, anterior] :
         {std::tuple{"FIJO", "FIJO", "FIJO_ANT"}, {"NO FIJO", "NOFIJO", "NOFIJO_ANT"}}) {
        grid->addWidget(new QLabel(QLatin1String(caption)), row, 0);
        int column = 1;
        for (const char* field : {actual, anterior}) {
            auto* cifra = new DBEdit(ds, QLatin1String(field), prompts());
            cifra->setPuntoToComa(true);
            cifra->setMaximumWidth(120);
            grid->addWidget(cifra, row, column++);
        }
        ++row;
    }
    grid->setColumnStretch(3, 1);
    return group;
}

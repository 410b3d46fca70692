#include "returns/periodic/SimplifiedVatForm.h"

#include "framework/DBCheckBox.h"
#include "framework/DBEdit.h"
#include "framework/DBMemo.h"
#include "framework/DBShadedBox.h"
#include "framework/TDBComboBoxVC.h"
#include "framework/TDBEDITFIND.h"
#include "framework/TDBNavigatorVC.h"
#include "returns/periodic/ModoComplementario.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

SimplifiedVatForm::SimplifiedVatForm(FormManager& manager, PeriodicReturn& module,
                                     const Textos& textos)
    : PeriodicReturnForm(manager, module) {
    modo = new ModoComplementario(dm().QMaestro, QLatin1String(textos.justificante), prompts());
    cabecera()->addWidget(modo);
    LEstado = new QLabel;
    LEstado->setStyleSheet(QStringLiteral("color: red; font-weight: bold"));
    cabecera()->addWidget(LEstado);
    cabecera()->addStretch();
    ficha()->addWidget(grupoAgencia());
    paginaLiquidacion(textos);
    paginaResultado(textos);
    paginaOtros(textos);
    paginaTelematica(textos);

    db::DataSet& ds = dm().QMaestro;
    for (auto signal : {&db::DataSet::currentChanged, &db::DataSet::stateChanged})
        connect(&ds, signal, this, [this] { muestraEstado(); });
    muestraEstado();
    resize(1240, 690);
}

// The activities of the simplified regime with their headings (F2), then the agricultural
// ones with their descriptions; the file has as many rows as the form shows.
void SimplifiedVatForm::paginaLiquidacion(const Textos& textos) {
    auto* layout = new QVBoxLayout(pagina(QStringLiteral("&Liquidacion (3)")));
    db::DataSet& ds = dm().QMaestro;
    auto* actividades = new QGroupBox(QStringLiteral(
        "I. Actividades en régimen simplificado (excepto agrícolas, ganaderas y forestales)."));
    auto* grid = new QGridLayout(actividades);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel(QStringLiteral("Epígrafe I.A.E. (a)")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Ingreso a cuenta  (a)")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Descripción de la actividad (a)")), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Ingreso a cuenta  (b)")), 0, 3);
    for (int n = 1; n <= textos.filas; ++n) {
        const QString fila = QString::number(n);
        auto* epigrafe = new TDBEDITFIND(ds, QStringLiteral("C3I01A") + fila, prompts(),
                                         {QStringLiteral("T_EPIGRAFES"),
                                          {QStringLiteral("EPIGRAFE"), QStringLiteral("TITULO")},
                                          QStringLiteral("EPIGRAFE"),
                                          QString(),
                                          {}});
        epigrafe->setMaximumWidth(80);
        if (n == 1)
            NavMain->EditaControl = epigrafe;
        auto* importe = new DBEdit(ds, QStringLiteral("C3I02A") + fila, prompts());
        importe->setPuntoToComa(true);
        auto* descripcion = new DBEdit(ds, QStringLiteral("C3AGP") + fila, prompts());
        descripcion->setMinimumWidth(300);
        auto* cuota = new DBEdit(ds, QStringLiteral("C3AGPC") + fila, prompts());
        cuota->setPuntoToComa(true);
        grid->addWidget(epigrafe, n, 0);
        grid->addWidget(importe, n, 1);
        grid->addWidget(descripcion, n, 2);
        grid->addWidget(cuota, n, 3);
    }
    layout->addWidget(actividades);
    layout->addWidget(new BoxGrid(*textos.liquidacion, dm(), prompts()));
    layout->addStretch();
}

void SimplifiedVatForm::paginaResultado(const Textos& textos) {
    auto* page = pagina(QStringLiteral("&Resultado (3)"));
    page->setToolTip(QStringLiteral("Actividades agrícolas, ganaderas, forestales y pesqueras"));
    auto* layout = new QVBoxLayout(page);
    auto* grid = new BoxGrid(*textos.resultado, dm(), prompts());
    modo->abre(static_cast<DBEdit*>(grid->box(QLatin1String(textos.aDeducir))));
    layout->addWidget(grid);
    layout->addStretch();
}

void SimplifiedVatForm::paginaOtros(const Textos& textos) {
    auto* layout = new QGridLayout(pagina(QStringLiteral("&Otros datos de la declaración")));
    db::DataSet& ds = dm().QMaestro;

    auto* ingreso = new QGroupBox(QStringLiteral("Ingreso (7)"));
    auto* form = new QFormLayout(ingreso);
    form->addRow(new QLabel(QStringLiteral(
        "Ingreso efectuado a favor del Tesoro Público, cuenta restringida de la Delegación\n"
        "de la A.E.A.T. para la Recaudación de los Tributos.")));
    auto* importe = new DBShadedBox(ds, QLatin1String(textos.ingreso), prompts());
    importe->setMaximumWidth(140);
    form->addRow(QStringLiteral("Importe del ingreso"), importe);
    form->addRow(QStringLiteral("Forma de pago:"),
                 new TDBComboBoxVC(ds, QLatin1String(textos.formaPago), prompts(),
                                   {QStringLiteral("0-No consta"), QStringLiteral("1-Efectivo"),
                                    QStringLiteral("2-Adeudo en cuenta"),
                                    QStringLiteral("3-Domiciliación")},
                                   {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                    QStringLiteral("3")}));
    form->addRow(QStringLiteral("Código Cuenta Cliente (CCC)"),
                 new DBEdit(ds, QStringLiteral("C7CCC"), prompts()));
    layout->addWidget(ingreso, 0, 0);

    auto* compensacion = new QGroupBox(QStringLiteral("Compensación (4)"));
    auto* compensa = new QFormLayout(compensacion);
    compensa->addRow(new QLabel(QString::fromUtf8(textos.casillaCompensa) +
                                QStringLiteral("\nimporte a compensar.")));
    auto* aCompensar = new DBEdit(ds, QStringLiteral("C401"), prompts());
    aCompensar->setMaximumWidth(140);
    compensa->addRow(QStringLiteral("Importe"), aCompensar);
    layout->addWidget(compensacion, 0, 1);

    auto* negativa = new QGroupBox(QString::fromUtf8(textos.grupoNegativa));
    auto* tipo = new QVBoxLayout(negativa);
    tipo->addWidget(new DBCheckBox(QString::fromUtf8(textos.negativa), ds, QStringLiteral("TIPO"),
                                   prompts()));
    layout->addWidget(negativa, 1, 0);

    if (textos.devolucion) {
        auto* devolucion = new QGroupBox(QStringLiteral("Devolución  (6)"));
        auto* devuelve = new QFormLayout(devolucion);
        devuelve->addRow(new QLabel(QStringLiteral(
            "Manifiesto a esa Delegación que el importe a devolver reseñado deseo que me\n"
            "sea abonado mediante transferencia bancaria a la cuenta indicada de la que soy\n"
            "titular:")));
        auto* cuantia = new DBEdit(ds, QStringLiteral("C6D"), prompts());
        cuantia->setPuntoToComa(true);
        cuantia->setMaximumWidth(140);
        devuelve->addRow(QStringLiteral("Importe"), cuantia);
        devuelve->addRow(QStringLiteral("Cuenta devolución C.C.C."),
                         new DBEdit(ds, QStringLiteral("C6CCC"), prompts()));
        layout->addWidget(devolucion, 1, 1);
    }

    auto* firma = new QGroupBox(QString::fromUtf8(textos.firma));
    auto* fecha = new QHBoxLayout(firma);
    for (const auto& [campo, ancho, antes] : {std::tuple{"C901", 200, ""}, {"C902", 40, "a"},
                                              {"C903", 120, "de"}, {"C904", 60, "de"}}) {
        if (*antes)
            fecha->addWidget(new QLabel(QString::fromUtf8(antes)));
        auto* edit = new DBEdit(ds, QLatin1String(campo), prompts());
        edit->setMaximumWidth(ancho);
        fecha->addWidget(edit);
    }
    fecha->addStretch();
    layout->addWidget(firma, 2, 0, 1, 2);
    layout->setRowStretch(3, 1);
}

void SimplifiedVatForm::paginaTelematica(const Textos& textos) {
    auto* layout = new QFormLayout(pagina(QStringLiteral("Presentación Internet (Telemática)")));
    db::DataSet& ds = dm().QMaestro;
    layout->addRow(QStringLiteral("Si es complementaria: Código electrónico declaración anterior."),
                   new DBEdit(ds, QLatin1String(textos.codigoElectronico), prompts()));
    layout->addRow(QStringLiteral("Persona contacto"), new DBEdit(ds, QStringLiteral("CONTACTO"), prompts()));
    layout->addRow(QStringLiteral("Teléfono"), new DBEdit(ds, QStringLiteral("TELEFONO"), prompts()));
    layout->addRow(QStringLiteral("Observaciones"), new DBMemo(ds, QStringLiteral("NOTAS"), prompts()));
}

void SimplifiedVatForm::muestraEstado() {
    const db::Field* estado = dm().QMaestro.findField(QStringLiteral("ESTADO"));
    LEstado->setText(estado && estado->asInteger() != 0 ? QStringLiteral("Declaración ya impresa")
                                                        : QString());
}

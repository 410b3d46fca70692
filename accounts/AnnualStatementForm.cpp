#include "accounts/AnnualStatementForm.h"

#include "accounts/AnnualStatement.h"
#include "framework/DBEdit.h"
#include "framework/DBShadedBox.h"
#include "framework/TDBNavigatorVC.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

AnnualStatementForm::AnnualStatementForm(FormManager& manager, AnnualStatement& module,
                                         std::span<const Page> pages)
    : TFModelos(manager, module) {
    TBMain->addSeparator();
    sbCapturaConta = new QToolButton;
    sbCapturaConta->setObjectName(QStringLiteral("sbCapturaConta"));
    sbCapturaConta->setText(QStringLiteral("Contabili&dad"));
    sbCapturaConta->setToolTip(QStringLiteral("Captura datos desde contabilidad"));
    sbCapturaConta->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(sbCapturaConta, &QToolButton::clicked, this,
            [this] { run([this] { dm().CapturaContabilidad(); }); });
    TBMain->addWidget(sbCapturaConta);

    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("PCCuentas"));
    for (const Page& page : pages)
        tabs->addTab(pagina(page), QString::fromUtf8(page.title));
    auto* card = new QVBoxLayout(PEMain);
    card->addWidget(tabs);
}

AnnualStatement& AnnualStatementForm::dm() const {
    return static_cast<AnnualStatement&>(module());
}

void AnnualStatementForm::FijaEmpresa(int empresa) {
    dm().FijaEmpresa(empresa);
    const QString nombre = dm().xAgencia.isEmpty()
                               ? QString()
                               : dm().xAgencia.field(QStringLiteral("NOMBRE")).asString();
    setWindowTitle(dm().statement().caption + nombre);
}

QWidget* AnnualStatementForm::pagina(const Page& page) {
    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(0, 1);
    grid->addWidget(new QLabel(QStringLiteral("EJERCICIO %1").arg(AnnualStatement::kEjercicio)),
                    0, 2, Qt::AlignCenter);
    grid->addWidget(
        new QLabel(QStringLiteral("EJERCICIO %1").arg(AnnualStatement::kEjercicioAnterior)), 0, 3,
        Qt::AlignCenter);
    const ComputedBoxes& totales = dm().totales();
    bool inside = false;
    int row = 1;
    for (const accounts::Line& line : dm().statement().lines) {
        inside = inside || qstrcmp(line.code, page.first) == 0;
        if (!inside)
            continue;
        auto* caption = new QLabel(QString::fromUtf8(line.caption));
        const bool total = line.source == accounts::Source::Total;
        if (total)
            caption->setStyleSheet(QStringLiteral("font-weight: bold"));
        grid->addWidget(caption, row, 0);
        grid->addWidget(new QLabel(QLatin1String(line.code)), row, 1);
        for (bool previous : {false, true}) {
            const QString campo = accounts::column(line.code, previous);
            QLineEdit* edit = nullptr;
            if (totales.locked(campo)) {
                edit = new DBShadedBox(dm().QMaestro, campo, prompts());
            } else {
                auto* typed = new DBEdit(dm().QMaestro, campo, prompts());
                typed->setPuntoToComa(true);
                edit = typed;
            }
            edit->setMinimumWidth(130);
            grid->addWidget(edit, row, previous ? 3 : 2);
        }
        ++row;
        if (qstrcmp(line.code, page.last) == 0)
            break;
    }
    grid->setRowStretch(row, 1);
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    return scroll;
}

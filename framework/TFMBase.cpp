#include "framework/TFMBase.h"

#include "framework/TDBGridOrder.h"
#include "framework/TDBNavigatorVC.h"
#include "framework/TDMBase.h"

#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

TFMBase::TFMBase(FormManager& manager, TDMBase& module, const QString& campoNumerico,
                 const QString& campoTexto, QWidget* parent)
    : MaintenanceForm(manager, module, parent), campoNumerico_(campoNumerico),
      campoTexto_(campoTexto) {
    TTBusca = new QToolBar;
    TTBusca->setObjectName(QStringLiteral("TTBusca"));
    EBusca = new QLineEdit;
    EBusca->setObjectName(QStringLiteral("EBusca"));
    EBusca->setMinimumWidth(220);
    auto* label = new QLabel(QStringLiteral("&Buscar  "));
    label->setBuddy(EBusca);
    sbFiltro = new QToolButton;
    sbFiltro->setObjectName(QStringLiteral("sbFiltro"));
    sbFiltro->setToolTip(QStringLiteral("Aplicar filtro"));
    sbFiltro->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    sbNoFiltro = new QToolButton;
    sbNoFiltro->setObjectName(QStringLiteral("sbNoFiltro"));
    sbNoFiltro->setToolTip(QStringLiteral("Quitar filtro"));
    sbNoFiltro->setIcon(style()->standardIcon(QStyle::SP_DialogResetButton));
    TTBusca->addWidget(label);
    TTBusca->addWidget(EBusca);
    TTBusca->addSeparator();
    TTBusca->addWidget(sbFiltro);
    TTBusca->addWidget(sbNoFiltro);
    connect(sbFiltro, &QToolButton::clicked, this, &TFMBase::sbFiltroClick);
    connect(sbNoFiltro, &QToolButton::clicked, this, &TFMBase::sbNoFiltroClick);
    connect(EBusca, &QLineEdit::returnPressed, this,
            [this] { (EBusca->text().isEmpty() ? sbNoFiltro : sbFiltro)->click(); });
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, TTBusca);

    TSTabla = new QWidget;
    TSTabla->setObjectName(QStringLiteral("TSTabla"));
    DBGMain = new TDBGridOrder(prompts(), TSTabla);
    DBGMain->setObjectName(QStringLiteral("DBGMain"));
    DBGMain->TabFicha = TSFicha;
    (new QVBoxLayout(TSTabla))->addWidget(DBGMain);
    PageControl1->addTab(TSTabla, QStringLiteral("&Tabla"));
    DBGMain->setDataSource(&module.DSQMaestro);
}

void TFMBase::showEvent(QShowEvent* event) {
    MaintenanceForm::showEvent(event);
    EBusca->setFocus();
}

void TFMBase::sbFiltroClick() {
    run([this] { module().FiltraMaestro(EBusca->text(), campoNumerico_, campoTexto_, QString()); });
}

void TFMBase::sbNoFiltroClick() {
    run([this] { module().QuitaFiltro(); });
}

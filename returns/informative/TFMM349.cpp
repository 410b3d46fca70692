#include "returns/informative/TFMM349.h"

#include "framework/CharacterFilter.h"
#include "framework/DBEdit.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/TDBComboBoxVC.h"
#include "framework/TDBEDITFIND.h"
#include "framework/TDBGridOrder.h"
#include "returns/Periods.h"
#include "returns/informative/TDMM349.h"

#include <QGridLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The card of an operation or a correction: the counterpart and its key, then the amounts.
class Ficha {
public:
    Ficha(db::DataSet& ds, framework::Prompts& prompts)
        : ds_(ds), prompts_(prompts), grid_(new QGridLayout(widget)) {}

    DBEdit* edit(const char* campo) {
        auto* e = new DBEdit(ds_, QLatin1String(campo), prompts_);
        e->setPuntoToComa(true);
        return e;
    }
    void fila(const QString& titulo, QWidget* w) {
        grid_->addWidget(new QLabel(titulo), row_, 0);
        grid_->addWidget(w, row_++, 1);
    }
    // The counterpart: country, community VAT number, name and the key of `claves`.
    void contraparte(const QStringList& claves, const QStringList& valores) {
        fila(QStringLiteral("País"),
             new TDBEDITFIND(ds_, QStringLiteral("PAIS"), prompts_,
                             {QStringLiteral("T_INTRACOMUNITARIOS"),
                              {QStringLiteral("CODIGO"), QStringLiteral("TITULO")},
                              QStringLiteral("CODIGO"),
                              QStringLiteral("TITULO"),
                              {}}));
        fila(QStringLiteral("N.I.F. comunitario"), edit("NIF"));
        DBEdit* declarado = edit("DECLARADO");
        declarado->installEventFilter(
            new CharacterFilter(CharacterFilter::kAlphanumeric, declarado));
        fila(QStringLiteral("Apellidos y nombre o razón social"), declarado);
        fila(QStringLiteral("Clave"),
             new TDBComboBoxVC(ds_, QStringLiteral("CLAVE"), prompts_, claves, valores));
    }
    QWidget* terminada() {
        grid_->setRowStretch(row_, 1);
        grid_->setColumnStretch(1, 1);
        return widget;
    }

    QWidget* widget = new QWidget;

private:
    db::DataSet& ds_;
    framework::Prompts& prompts_;
    QGridLayout* grid_;
    int row_ = 0;
};

// The card and the list of a detail.
QTabWidget* paginas(QWidget* ficha, TDBGridOrder* tabla, QWidget* pagina) {
    auto* p = new QTabWidget;
    p->addTab(ficha, QStringLiteral("&Ficha"));
    tabla->TabFicha = ficha;
    (new QVBoxLayout(pagina))->addWidget(tabla);
    p->addTab(pagina, QStringLiteral("&Tabla"));
    return p;
}

} // namespace

TFMM349::TFMM349(FormManager& manager)
    : InformativeReturnForm(
          manager, manager.modules().CreaModuloDatos<TDMM349>(),
          QStringLiteral("Imprime la declaración (ALT + I)"),
          {QStringLiteral("Papel - No disponible"), QStringLiteral("Telemática")}) {
    setObjectName(QStringLiteral("FMM349"));
    setWindowTitle(QStringLiteral("Resumen operaciones con la Unión Europea. Modelo 349"));
    QStringList periodos, codigos;
    for (const periods::Period& p : periods::kTrimestresMesesYAnual) {
        periodos << QString::fromUtf8(p.caption);
        codigos << QLatin1String(p.code);
    }
    DBPeriodo =
        new TDBComboBoxVC(dm().QMaestro, QStringLiteral("PERIODO"), prompts(), periodos, codigos);
    cabecera()->addWidget(new QLabel(QStringLiteral("Período")), 0, 3);
    cabecera()->addWidget(DBPeriodo, 0, 4);
    btOperaciones = lista(QStringLiteral("Operaciones"), dm().QOperaciones, operaciones(), false);
    // The corrections are read again each time they are shown.
    btRectificaciones =
        lista(QStringLiteral("Rectificaciones"), dm().QRectificaciones, rectificaciones(), true);
    resize(1000, 640);
}

TDMM349& TFMM349::dm() const {
    return static_cast<TDMM349&>(module());
}

QWidget* TFMM349::operaciones() {
    Ficha ficha(dm().QOperaciones, prompts());
    ficha.contraparte({QStringLiteral("A-Aquisiciones intracomunitarias"),
                       QStringLiteral("E-Entregas intracomunitarias"),
                       QStringLiteral("T-Operaciones triangulares"),
                       QStringLiteral("S-Prestaciones intra. servicios"),
                       QStringLiteral("I-Aquisciones servicios")},
                      {QStringLiteral("A"), QStringLiteral("E"), QStringLiteral("T"),
                       QStringLiteral("S"), QStringLiteral("I")});
    ficha.fila(QStringLiteral("Importe de las operaciones"), ficha.edit("IMPORTE"));
    auto* tabla = new QWidget;
    DBGOperaciones = new TDBGridOrder(prompts(), tabla);
    DBGOperaciones->setObjectName(QStringLiteral("DBGOperaciones"));
    DBGOperaciones->setColumns({{QStringLiteral("ORDEN"), QStringLiteral("Orden")},
                                {QStringLiteral("PAIS"), QStringLiteral("País")},
                                {QStringLiteral("NIF"), QStringLiteral("N.I.F.")},
                                {QStringLiteral("DECLARADO"), QStringLiteral("Declarado"), 300},
                                {QStringLiteral("CLAVE"), QStringLiteral("Clave")},
                                {QStringLiteral("IMPORTE"), QStringLiteral("Importe"), 120}});
    DBGOperaciones->CamposAOrdenar = {QStringLiteral("ORDEN"), QStringLiteral("DECLARADO")};
    DBGOperaciones->setDataSource(&dm().QOperaciones);
    return paginas(ficha.terminada(), DBGOperaciones, tabla);
}

QWidget* TFMM349::rectificaciones() {
    Ficha ficha(dm().QRectificaciones, prompts());
    ficha.contraparte({QStringLiteral("Aquisiciones intracomunitarias"),
                       QStringLiteral("Entregas intracomunitarias"),
                       QStringLiteral("Operaciones triangulares")},
                      {QStringLiteral("A"), QStringLiteral("E"), QStringLiteral("T")});
    ficha.fila(QStringLiteral("Ejercicio"), ficha.edit("EJERCICIO"));
    ficha.fila(QStringLiteral("Período"), ficha.edit("PER_ANT"));
    ficha.fila(QStringLiteral("Base rectificada"), ficha.edit("IMPORTE"));
    ficha.fila(QStringLiteral("Base declarada anteriormente"), ficha.edit("IMPORTE_ANT"));
    auto* tabla = new QWidget;
    DBGRectificaciones = new TDBGridOrder(prompts(), tabla);
    DBGRectificaciones->setObjectName(QStringLiteral("DBGRectificaciones"));
    DBGRectificaciones->setColumns(
        {{QStringLiteral("ORDEN"), QStringLiteral("Orden")},
         {QStringLiteral("PAIS"), QStringLiteral("País")},
         {QStringLiteral("NIF"), QStringLiteral("N.I.F.")},
         {QStringLiteral("DECLARADO"), QStringLiteral("Declarado"), 260},
         {QStringLiteral("EJERCICIO"), QStringLiteral("Ejercicio")},
         {QStringLiteral("PER_ANT"), QStringLiteral("Período")},
         {QStringLiteral("IMPORTE"), QStringLiteral("Base rectificada"), 120}});
    DBGRectificaciones->CamposAOrdenar = {QStringLiteral("ORDEN"), QStringLiteral("DECLARADO")};
    DBGRectificaciones->setDataSource(&dm().QRectificaciones);
    return paginas(ficha.terminada(), DBGRectificaciones, tabla);
}

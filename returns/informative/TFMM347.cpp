#include "returns/informative/TFMM347.h"

#include "framework/CharacterFilter.h"
#include "framework/DBCheckBox.h"
#include "framework/DBEdit.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/TDBComboBoxVC.h"
#include "framework/TDBEDITFIND.h"
#include "framework/TDBGridOrder.h"
#include "returns/informative/TDMM347.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QStringList kClaves = {
    QStringLiteral("A-Compras: adquisiciones de bienes y servicios superiores a 3005,06 euros"),
    QStringLiteral("B-Ventas: entregas de bienes y servicios superiores a 3005,06 euros"),
    QStringLiteral("C-Cobros por cuenta de terceros superiores a 300,51 euros"),
    QStringLiteral("D-Adquisiciones de bienes o servicios al margen de actividad empresarial "
                   "superiores a 3005.06 euros"),
    QStringLiteral("E-Subvenciones y ayudas por parte de administraciones públicas superiores a "
                   "3005,06 euros"),
};

} // namespace

TFMM347::TFMM347(FormManager& manager)
    : InformativeReturnForm(
          manager, manager.modules().CreaModuloDatos<TDMM347>(),
          QStringLiteral("Genera fichero para su presentación por Internet"),
          {QStringLiteral("Papel"), QStringLiteral("Soporte"), QStringLiteral("Telemática")}) {
    setObjectName(QStringLiteral("FMM347"));
    setWindowTitle(QStringLiteral("Declaración anual de operaciones - MODELO 347"));
    btDeclarados = lista(QStringLiteral("Declarados"), dm().QDeclarados, declarados(), false);
    // The premises are read again each time they are shown.
    btInmuebles = lista(QStringLiteral("Inmuebles"), dm().QInmuebles, inmuebles(), true);
    // What the row holds opens or closes the boxes that depend on it.
    for (db::DataSet* ds : {&dm().QDeclarados, &dm().QInmuebles}) {
        connect(ds, &db::DataSet::fieldChanged, this, [this] { ajustaCampos(); });
        connect(ds, &db::DataSet::currentChanged, this, [this] { ajustaCampos(); });
        connect(ds, &db::DataSet::stateChanged, this, [this] { ajustaCampos(); });
    }
    ajustaCampos();
    resize(1040, 690);
}

TDMM347& TFMM347::dm() const {
    return static_cast<TDMM347&>(module());
}

QWidget* TFMM347::declarados() {
    db::DataSet& ds = dm().QDeclarados;
    auto* paginas = new QTabWidget;
    auto* ficha = new QWidget;
    auto* grid = new QGridLayout(ficha);
    const auto edit = [&](const char* campo) {
        auto* e = new DBEdit(ds, QLatin1String(campo), prompts());
        e->setPuntoToComa(true);
        return e;
    };
    const auto fila = [&](int r, int c, const QString& titulo, QWidget* w, int span = 1) {
        grid->addWidget(new QLabel(titulo), r, c);
        grid->addWidget(w, r, c + 1, 1, span);
    };
    fila(0, 0, QStringLiteral("N.I.F."), edit("NIF"));
    fila(0, 2, QStringLiteral("Es el N.I.F. del"),
         new TDBComboBoxVC(ds, QStringLiteral("REPRESENTANTE"), prompts(),
                           {QStringLiteral("Nif Declarado"), QStringLiteral("Nif Representante")},
                           {QStringLiteral("0"), QStringLiteral("1")}));
    auto* declarado = edit("DECLARADO");
    declarado->installEventFilter(new CharacterFilter(CharacterFilter::kAlphanumeric, declarado));
    fila(1, 0, QStringLiteral("Apellidos y nombre o razón social"), declarado, 3);
    fila(2, 0, QStringLiteral("Provincia"),
         new TDBEDITFIND(ds, QStringLiteral("PROVINCIA"), prompts(),
                         {QStringLiteral("T_PROVINCIAS"),
                          {QStringLiteral("PROVINCIA"), QStringLiteral("TITULO")},
                          QStringLiteral("PROVINCIA"),
                          QStringLiteral("TITULO"),
                          {}}));
    EPais = new TDBEDITFIND(ds, QStringLiteral("PAIS"), prompts(),
                            {QStringLiteral("T_PAISES_STD"),
                             {QStringLiteral("PAIS"), QStringLiteral("NOMBRE")},
                             QStringLiteral("PAIS"),
                             QStringLiteral("NOMBRE"),
                             {}});
    EPais->setToolTip(QStringLiteral("Sólo con la provincia 99 (extranjero)"));
    fila(2, 2, QStringLiteral("País"), EPais);
    fila(3, 0, QStringLiteral("Clave"),
         new TDBComboBoxVC(ds, QStringLiteral("CLAVE"), prompts(), kClaves,
                           {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                            QStringLiteral("D"), QStringLiteral("E")}),
         3);
    const char* const trimestres[] = {"PRIMERO", "SEGUNDO", "TERCERO", "CUARTO"};
    const char* const transmisiones[] = {"TI_PRIMERO", "TI_SEGUNDO", "TI_TERCERO", "TI_CUARTO"};
    for (int t = 0; t < 4; ++t) {
        fila(4 + t, 0, QStringLiteral("%1º trimestre").arg(t + 1), edit(trimestres[t]));
        fila(4 + t, 2, QStringLiteral("Transmisiones inmuebles %1º T.").arg(t + 1),
             edit(transmisiones[t]));
    }
    EImporte = edit("IMPORTE");
    fila(8, 0, QStringLiteral("Importe anual"), EImporte);
    auto* transmisionesTotal = edit("RECIBOTRANSMISIONES");
    transmisionesTotal->setLocked(true);
    fila(8, 2, QStringLiteral("Importe transmisiones"), transmisionesTotal);
    fila(9, 0, QStringLiteral("Importe en metálico"), edit("RECIBOMETALICO"));
    fila(9, 2, QStringLiteral("Ejercicio del metálico"), edit("EJERCICIOMETALICO"));
    fila(10, 0, QStringLiteral("Operación"),
         new TDBComboBoxVC(ds, QStringLiteral("TIPO_OPERACION"), prompts(),
                           {QString(), QStringLiteral("Operación seguro"),
                            QStringLiteral("Arrendto. local negocio")},
                           {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")}));
    EImporteCC = edit("IMPORTECC");
    fila(10, 2, QStringLiteral("Importe criterio de caja"), EImporteCC);
    auto* marcas = new QHBoxLayout;
    marcas->addWidget(new DBCheckBox(QStringLiteral("Operacion IVA de caja"), ds,
                                     QStringLiteral("CC"), prompts()));
    marcas->addWidget(new DBCheckBox(QStringLiteral("Op. con inversión sujeto pasivo"), ds,
                                     QStringLiteral("SP"), prompts()));
    marcas->addWidget(
        new DBCheckBox(QStringLiteral("Op. régimen de depósito distinto del aduanero"), ds,
                       QStringLiteral("BV"), prompts()));
    grid->addLayout(marcas, 11, 0, 1, 4);
    grid->setRowStretch(12, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    QWidget* hoja = desplazable(ficha);
    paginas->addTab(hoja, QStringLiteral("&Ficha"));

    auto* tabla = new QWidget;
    DBGDeclarados = new TDBGridOrder(prompts(), tabla);
    DBGDeclarados->setObjectName(QStringLiteral("DBGDeclarados"));
    DBGDeclarados->setColumns({{QStringLiteral("ORDEN"), QStringLiteral("Orden")},
                               {QStringLiteral("NIF"), QStringLiteral("N.I.F.")},
                               {QStringLiteral("DECLARADO"), QStringLiteral("Declarado"), 300},
                               {QStringLiteral("CLAVE"), QStringLiteral("Clave")},
                               {QStringLiteral("PROVINCIA"), QStringLiteral("Prov.")},
                               {QStringLiteral("IMPORTE"), QStringLiteral("Importe"), 120}});
    DBGDeclarados->CamposAOrdenar = {QStringLiteral("ORDEN"), QStringLiteral("NIF"),
                                     QStringLiteral("DECLARADO"), QStringLiteral("IMPORTE")};
    DBGDeclarados->TabFicha = hoja;
    DBGDeclarados->setDataSource(&ds);
    (new QVBoxLayout(tabla))->addWidget(DBGDeclarados);
    paginas->addTab(tabla, QStringLiteral("&Tabla"));
    return paginas;
}

QWidget* TFMM347::inmuebles() {
    db::DataSet& ds = dm().QInmuebles;
    auto* paginas = new QTabWidget;
    auto* ficha = new QWidget;
    auto* grid = new QGridLayout(ficha);
    const auto edit = [&](const char* campo) {
        return new DBEdit(ds, QLatin1String(campo), prompts());
    };
    const auto fila = [&](int r, int c, const QString& titulo, QWidget* w, int span = 1) {
        grid->addWidget(new QLabel(titulo), r, c);
        grid->addWidget(w, r, c + 1, 1, span);
    };
    fila(0, 0, QStringLiteral("N.I.F."), edit("NIF"));
    fila(0, 2, QStringLiteral("Es el"),
         new TDBComboBoxVC(
             ds, QStringLiteral("REPRESENTANTE"), prompts(),
             {QStringLiteral("N.I.F. arrendatario"), QStringLiteral("N.I.F. representante")},
             {QStringLiteral("0"), QStringLiteral("1")}));
    auto* arrendatario = edit("ARRENDATARIO");
    arrendatario->installEventFilter(
        new CharacterFilter(CharacterFilter::kAlphanumeric, arrendatario));
    fila(1, 0, QStringLiteral("Arrendatario"), arrendatario, 3);
    auto* importe = edit("IMPORTE");
    importe->setPuntoToComa(true);
    fila(2, 0, QStringLiteral("Importe"), importe);
    fila(2, 2, QStringLiteral("Situación"),
         new TDBComboBoxVC(
             ds, QStringLiteral("SITUACION"), prompts(),
             {QString(), QStringLiteral("Inmueble situado en España, excepto Pais Vasco y Navarra"),
              QStringLiteral("Inmueble situado en Pais Vasco ó Navarra"),
              QStringLiteral("Inmueble sin referencia catastral"),
              QStringLiteral("Inmueble en el extranjero")},
             {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
              QStringLiteral("4")}));
    ECatastro = edit("CATASTRO");
    fila(3, 0, QStringLiteral("Referencia catastral"), ECatastro);
    fila(3, 2, QStringLiteral("Siglas"),
         new TDBEDITFIND(ds, QStringLiteral("SIGLAS"), prompts(),
                         {QStringLiteral("T_SIGLAS"),
                          {QStringLiteral("SIGLAS"), QStringLiteral("TITULO")},
                          QStringLiteral("SIGLAS"),
                          {},
                          {}}));
    auto* via = edit("NOMBREVIA");
    via->installEventFilter(new CharacterFilter(CharacterFilter::kAlphanumeric, via));
    fila(4, 0, QStringLiteral("Nombre de la vía"), via, 3);
    const std::pair<const char*, const char*> numero[] = {{"Tipo numeración", "TIPONUM"},
                                                          {"Número", "NUMCASA"},
                                                          {"Calificador", "CALCASA"},
                                                          {"Bloque", "BLOQUE"},
                                                          {"Portal", "PORTAL"},
                                                          {"Escalera", "ESCALERA"},
                                                          {"Piso", "PISO"},
                                                          {"Puerta", "PUERTA"}};
    int r = 5;
    for (size_t i = 0; i < std::size(numero); ++i)
        fila(r + int(i) / 2, int(i % 2) * 2, QString::fromUtf8(numero[i].first),
             edit(numero[i].second));
    r += 4;
    fila(r, 0, QStringLiteral("Complemento"), edit("COMPLEMENTO"), 3);
    fila(r + 1, 0, QStringLiteral("Localidad"), edit("LOCALIDAD"), 3);
    auto* municipio = edit("MUNICIPIO");
    municipio->installEventFilter(new CharacterFilter(CharacterFilter::kAlphabetic, municipio));
    fila(r + 2, 0, QStringLiteral("Municipio"), municipio);
    fila(r + 2, 2, QStringLiteral("Código municipio"), edit("CODMUNICIPIO"));
    fila(r + 3, 0, QStringLiteral("Provincia"),
         new TDBEDITFIND(ds, QStringLiteral("PROVINCIA"), prompts(),
                         {QStringLiteral("T_PROVINCIAS"),
                          {QStringLiteral("PROVINCIA"), QStringLiteral("TITULO")},
                          QStringLiteral("PROVINCIA"),
                          QStringLiteral("TITULO"),
                          {}}));
    fila(r + 3, 2, QStringLiteral("Código postal"), edit("CODPOSTAL"));
    grid->setRowStretch(r + 4, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    QWidget* hoja = desplazable(ficha);
    paginas->addTab(hoja, QStringLiteral("&Ficha"));

    auto* tabla = new QWidget;
    DBGInmuebles = new TDBGridOrder(prompts(), tabla);
    DBGInmuebles->setObjectName(QStringLiteral("DBGInmuebles"));
    DBGInmuebles->setColumns({{QStringLiteral("ORDEN"), QStringLiteral("Orden")},
                              {QStringLiteral("NIF"), QStringLiteral("N.I.F.")},
                              {QStringLiteral("ARRENDATARIO"), QStringLiteral("Arrendatario"), 300},
                              {QStringLiteral("IMPORTE"), QStringLiteral("Importe"), 120}});
    DBGInmuebles->CamposAOrdenar = {QStringLiteral("ORDEN"), QStringLiteral("ARRENDATARIO")};
    DBGInmuebles->TabFicha = hoja;
    DBGInmuebles->setDataSource(&ds);
    (new QVBoxLayout(tabla))->addWidget(DBGInmuebles);
    paginas->addTab(tabla, QStringLiteral("&Tabla"));
    return paginas;
}

// The country only for a party abroad, tinted otherwise; the annual and cash-basis amounts
// typed only for a cash-basis party (else the quarters make them); the cadastral reference
// only for a premises with one.
void TFMM347::ajustaCampos() {
    db::DataSet& d = dm().QDeclarados;
    const bool extranjero = d.active() && d.field(QStringLiteral("PROVINCIA")).asString() == u"99";
    EPais->setEnabled(extranjero);
    QPalette tinte = EPais->palette();
    tinte.setColor(QPalette::Base, extranjero ? palette().color(QPalette::Base)
                                              : palette().color(QPalette::ToolTipBase));
    EPais->setPalette(tinte);
    const bool caja = d.active() && d.field(QStringLiteral("CC")).asInteger() == 1;
    EImporte->setLocked(!caja);
    EImporteCC->setLocked(!caja);
    db::DataSet& i = dm().QInmuebles;
    const int situacion = i.active() ? i.field(QStringLiteral("SITUACION")).asInteger() : 0;
    ECatastro->setEnabled(situacion == 1 || situacion == 2);
}

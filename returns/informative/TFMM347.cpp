#include "returns/informative/TFMM347.h"

#include "config/TDMMain.h"
#include "framework/CharacterFilter.h"
#include "framework/DBCheckBox.h"
#include "framework/DBEdit.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/TDBComboBoxVC.h"
#include "framework/TDBEDITFIND.h"
#include "framework/TDBGridOrder.h"
#include "framework/TDBNavigatorVC.h"
#include "returns/FileViewerDialog.h"
#include "returns/informative/TDMM347.h"
#include "util/Error.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolBar>
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

QToolButton* boton(const QString& name, const QString& text, const QString& hint) {
    auto* b = new QToolButton;
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(hint);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

} // namespace

TFMM347::TFMM347(FormManager& manager)
    : TFModelos(manager, manager.modules().CreaModuloDatos<TDMM347>()) {
    setObjectName(QStringLiteral("FMM347"));
    setWindowTitle(QStringLiteral("Declaración anual de operaciones - MODELO 347"));
    TBMain->addSeparator();
    btImprime = boton(QStringLiteral("btImprime"), QStringLiteral("Telemática"),
                      QStringLiteral("Genera fichero para su presentación por Internet"));
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
    card->addWidget(cabecera());
    card->addStretch();
    // The lists are worked on while the return rests: outside the card, which opens only
    // while the return is edited.
    static_cast<QVBoxLayout*>(layout())->setStretchFactor(PageControl1, 0);
    static_cast<QVBoxLayout*>(layout())->addWidget(detalle(), 1);
    NavMain->InsertaControl = EDeclarante;
    NavMain->EditaControl = EDeclarante;
    resize(1040, 690);
}

TDMM347& TFMM347::dm() const {
    return static_cast<TDMM347&>(module());
}

// The return: its taxpayer, the kind and medium, who signs, the tax office.
QWidget* TFMM347::cabecera() {
    db::DataSet& ds = dm().QMaestro;
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
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
    const QString& alfabetico = CharacterFilter::kAlphabetic;
    grid->addWidget(new QLabel(QStringLiteral("Contribuyente")), 0, 0);
    grid->addWidget(EDeclarante, 0, 1);
    grid->addWidget(nombre, 0, 2, 1, 3);
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
    grid->addWidget(new QLabel(QStringLiteral("Nº declaración anterior")), 2, 3);
    grid->addWidget(edit("JUSTIFICANTE"), 2, 4);
    grid->addWidget(new QLabel(QStringLiteral("Presentación")), 3, 0);
    grid->addWidget(
        new TDBComboBoxVC(
            ds, QStringLiteral("PRESENTACION"), prompts(),
            {QStringLiteral("Papel"), QStringLiteral("Soporte"), QStringLiteral("Telemática")},
            {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")}),
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
    return box;
}

// The two lists under one navigator, with the capture.
QWidget* TFMM347::detalle() {
    auto* box = new QGroupBox;
    auto* layout = new QVBoxLayout(box);
    auto* barra = new QHBoxLayout;
    btDeclarados = boton(QStringLiteral("btDeclarados"), QStringLiteral("Declarados"), QString());
    btInmuebles = boton(QStringLiteral("btInmuebles"), QStringLiteral("Inmuebles"), QString());
    auto* grupo = new QButtonGroup(box);
    for (QToolButton* b : {btDeclarados, btInmuebles}) {
        b->setCheckable(true);
        grupo->addButton(b);
        barra->addWidget(b);
    }
    btDeclarados->setChecked(true);
    NavDetalle = new TDBNavigatorVC(prompts());
    NavDetalle->setObjectName(QStringLiteral("NavDetalle"));
    NavDetalle->Exclusivo = false;
    barra->addWidget(NavDetalle);
    barra->addStretch();
    btConta =
        boton(QStringLiteral("btConta"), QStringLiteral("Captura contabilidad"),
              QStringLiteral("Captura los declarados desde el registro de IVA de la contabilidad"));
    connect(btConta, &QToolButton::clicked, this,
            [this] { run([this] { dm().CapturaContabilidad(); }); });
    barra->addWidget(btConta);
    layout->addLayout(barra);
    PDetalle = new QStackedWidget;
    PDetalle->addWidget(declarados());
    PDetalle->addWidget(inmuebles());
    layout->addWidget(PDetalle, 1);
    connect(btDeclarados, &QToolButton::clicked, this, [this] { muestraLista(0); });
    connect(btInmuebles, &QToolButton::clicked, this, [this] { muestraLista(1); });
    muestraLista(0);
    return box;
}

void TFMM347::muestraLista(int lista) {
    db::DataSet& ds = lista == 0 ? dm().QDeclarados : dm().QInmuebles;
    run([&] {
        // The premises are read again each time they are shown.
        if (lista == 1 && dm().QMaestro.active()) {
            ds.close();
            ds.open();
        }
    });
    NavDetalle->setDataSource(&ds);
    PDetalle->setCurrentIndex(lista);
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
    auto* pais = new TDBEDITFIND(ds, QStringLiteral("PAIS"), prompts(),
                                 {QStringLiteral("T_PAISES_STD"),
                                  {QStringLiteral("PAIS"), QStringLiteral("NOMBRE")},
                                  QStringLiteral("PAIS"),
                                  QStringLiteral("NOMBRE"),
                                  {}});
    pais->setToolTip(QStringLiteral("Sólo con la provincia 99 (extranjero)"));
    fila(2, 2, QStringLiteral("País"), pais);
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
    fila(8, 0, QStringLiteral("Importe anual"), edit("IMPORTE"));
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
    fila(10, 2, QStringLiteral("Importe criterio de caja"), edit("IMPORTECC"));
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
    paginas->addTab(ficha, QStringLiteral("&Ficha"));

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
    DBGDeclarados->TabFicha = ficha;
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
    fila(3, 0, QStringLiteral("Referencia catastral"), edit("CATASTRO"));
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
    paginas->addTab(ficha, QStringLiteral("&Ficha"));

    auto* tabla = new QWidget;
    DBGInmuebles = new TDBGridOrder(prompts(), tabla);
    DBGInmuebles->setObjectName(QStringLiteral("DBGInmuebles"));
    DBGInmuebles->setColumns({{QStringLiteral("ORDEN"), QStringLiteral("Orden")},
                              {QStringLiteral("NIF"), QStringLiteral("N.I.F.")},
                              {QStringLiteral("ARRENDATARIO"), QStringLiteral("Arrendatario"), 300},
                              {QStringLiteral("IMPORTE"), QStringLiteral("Importe"), 120}});
    DBGInmuebles->CamposAOrdenar = {QStringLiteral("ORDEN"), QStringLiteral("ARRENDATARIO")};
    DBGInmuebles->TabFicha = ficha;
    DBGInmuebles->setDataSource(&ds);
    (new QVBoxLayout(tabla))->addWidget(DBGInmuebles);
    paginas->addTab(tabla, QStringLiteral("&Tabla"));
    return paginas;
}

// The print file is the last one written.
void TFMM347::verFichero() {
    const QString path =
        QDir(dm().DMMain.DirectorioTrabajo()).filePath(QStringLiteral("mod347.txt"));
    if (!QFileInfo::exists(path))
        throw tributra::Error(QStringLiteral("Todavía no se ha grabado el fichero %1")
                                  .arg(QDir::toNativeSeparators(path)));
    FileViewerDialog(path, this).exec();
}

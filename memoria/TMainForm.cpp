#include "memoria/TMainForm.h"

#include "config/TDMMain.h"
#include "framework/Prompts.h"
#include "framework/UserCommand.h"
#include "memoria/Ruler.h"
#include "memoria/SustituyeFormulas.h"
#include "memoria/TDMMemorias.h"
#include "memoria/TFMFormulas.h"
#include "memoria/TdlgEmpresa.h"
#include "memoria/TdlgFManual.h"
#include "richtext/Rtf.h"
#include "util/Error.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontComboBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kFiltro = QStringLiteral("Rich Text Files (*.RTF);;Text Files (*.TXT)");

QAction* accion(QWidget* owner, const QString& texto, const QString& hint,
                const QKeySequence& atajo = {}) {
    auto* a = new QAction(texto, owner);
    a->setStatusTip(hint);
    a->setToolTip(hint);
    if (!atajo.isEmpty())
        a->setShortcut(atajo);
    owner->addAction(a);
    return a;
}

QToolButton* conmutador(QToolBar* barra, const QString& texto, const QString& hint) {
    auto* b = new QToolButton;
    b->setText(texto);
    b->setToolTip(hint);
    b->setCheckable(true);
    barra->addWidget(b);
    return b;
}

} // namespace

TMainForm::TMainForm(TDMMemorias& dm, QWidget* parent)
    : QDialog(parent), dm_(dm), fichero_(QStringLiteral("Capitulo")) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Edición de capítulos de la Memoria"));
    RichEdit1 = new QTextEdit;
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAcceptRichText(true);
    // The text stands 6 pixels in from either side.
    RichEdit1->setStyleSheet(
        QStringLiteral("QTextEdit { padding-left: 6px; padding-right: 6px; }"));
    Ruler1 = new Ruler;
    StatusBar = new QStatusBar;
    StatusBar->setSizeGripEnabled(false);
    posicion_ = new QLabel;
    modificado_ = new QLabel;
    modificado_->setAlignment(Qt::AlignCenter);
    StatusBar->addWidget(posicion_, 1);
    StatusBar->addWidget(modificado_, 1);
    StatusBar->addWidget(new QLabel, 1);

    creaAcciones();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    creaBarra();
    layout->setMenuBar(findChild<QMenuBar*>());
    layout->addWidget(findChild<QToolBar*>());
    layout->addWidget(Ruler1);
    layout->addWidget(RichEdit1, 1);

    PCapitulo = new QWidget;
    PCapitulo->setObjectName(QStringLiteral("PCapitulo"));
    auto* datos = new QGridLayout(PCapitulo);
    LMemoria = new QLabel;
    LCapitulo = new QLabel;
    datos->addWidget(new QLabel(QStringLiteral("Memoria")), 0, 0);
    datos->addWidget(LMemoria, 0, 1);
    datos->addWidget(new QLabel(QStringLiteral("Capítulo")), 1, 0);
    datos->addWidget(LCapitulo, 1, 1);
    auto* botones = new QDialogButtonBox;
    botones->addButton(QStringLiteral("Guardar capítulo"), QDialogButtonBox::AcceptRole);
    botones->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    connect(botones, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    datos->addWidget(botones, 0, 2, 2, 1);
    datos->setColumnStretch(1, 1);
    layout->addWidget(PCapitulo);
    layout->addWidget(StatusBar);

    connect(RichEdit1, &QTextEdit::cursorPositionChanged, this, [this] { muestraSeleccion(); });
    connect(RichEdit1, &QTextEdit::currentCharFormatChanged, this, [this] { muestraSeleccion(); });
    connect(RichEdit1->document(), &QTextDocument::modificationChanged, this,
            [this] { muestraEstado(); });
    connect(Ruler1, &Ruler::sangrias, this,
            [this](double primera, double izquierda, double derecha) {
                QTextBlockFormat f = RichEdit1->textCursor().blockFormat();
                f.setTextIndent(primera);
                f.setLeftMargin(izquierda);
                f.setRightMargin(derecha);
                RichEdit1->textCursor().setBlockFormat(f);
                muestraSeleccion();
            });
    // Files dropped on the text are opened, not pasted into it.
    RichEdit1->viewport()->installEventFilter(this);
    setAcceptDrops(true);
    muestraSeleccion();
    resize(1200, 680); // the whole tool bar, formula commands included, at 1366 pixels
}

// The bar shows an action's hint while there is one; the position and state otherwise.
bool TMainForm::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        StatusBar->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::Drop)
        return eventFilter(this, event);
    return QDialog::event(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (drag->mimeData()->hasUrls()) {
            drag->acceptProposedAction();
            return true;
        }
    } else if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (drop->mimeData()->hasUrls()) {
            const QString fichero = drop->mimeData()->urls().constFirst().toLocalFile();
            drop->acceptProposedAction();
            ejecuta([this, fichero] {
                if (!fichero.isEmpty() && guardaCambios())
                    abre(fichero);
            });
            return true;
        }
    }
    return watched == this ? QDialog::event(event) : QDialog::eventFilter(watched, event);
}

void TMainForm::creaAcciones() {
    auto* menus = new QMenuBar(this);
    QMenu* archivos = menus->addMenu(QStringLiteral("&Archivos"));
    QAction* nuevo = accion(this, QStringLiteral("&Nuevo"), QStringLiteral("Nuevo capítulo"),
                            QKeySequence(Qt::CTRL | Qt::Key_N));
    archivos->addAction(nuevo);
    connect(nuevo, &QAction::triggered, this, [this] {
        fichero_ = QStringLiteral("Capitulo");
        RichEdit1->clear();
        RichEdit1->document()->setModified(false);
    });
    QAction* abrir =
        accion(this, QStringLiteral("&Abrir..."), QStringLiteral("Abrir capítulo desde fichero"),
               QKeySequence(Qt::CTRL | Qt::Key_O));
    archivos->addAction(abrir);
    connect(abrir, &QAction::triggered, this, [this] {
        ejecuta([this] {
            if (!guardaCambios())
                return;
            const QString f = QFileDialog::getOpenFileName(
                this, QString(), QCoreApplication::applicationDirPath(), kFiltro);
            if (!f.isEmpty())
                abre(f);
        });
    });
    QAction* guardar =
        accion(this, QStringLiteral("&Guardar"), QStringLiteral("Guardar capítulo en fichero"),
               QKeySequence(Qt::CTRL | Qt::Key_S));
    archivos->addAction(guardar);
    connect(guardar, &QAction::triggered, this, [this] {
        ejecuta([this] { fichero_ == u"Capitulo" ? guardaComo() : guarda(fichero_); });
    });
    QAction* como =
        accion(this, QStringLiteral("Guardar como..."), QStringLiteral("Guardar capítulo como.."));
    archivos->addAction(como);
    connect(como, &QAction::triggered, this, [this] { ejecuta([this] { guardaComo(); }); });
    QAction* imprimir =
        accion(this, QStringLiteral("&Imprimir"), QStringLiteral("Imprimir capítulo"),
               QKeySequence(Qt::CTRL | Qt::Key_P));
    archivos->addAction(imprimir);
    connect(imprimir, &QAction::triggered, this, [this] { imprime(); });
    QAction* salir =
        accion(this, QStringLiteral("Salir"), QStringLiteral("Salir sin guardar cambios"),
               QKeySequence(Qt::ALT | Qt::Key_X));
    archivos->addAction(salir);
    connect(salir, &QAction::triggered, this, &QDialog::reject);
    barraArchivos_ = {nuevo, abrir, guardar, imprimir};

    QMenu* edicion = menus->addMenu(QStringLiteral("&Edición"));
    QAction* deshacer =
        accion(this, QStringLiteral("&Deshacer"), QStringLiteral("Deshace la última acción."),
               QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* cortar =
        accion(this, QStringLiteral("Cor&tar"), QStringLiteral("Borra el elemento seleccionado"),
               QKeySequence(Qt::CTRL | Qt::Key_X));
    QAction* copiar = accion(this, QStringLiteral("&Copiar"), QStringLiteral("Copia al portafolio"),
                             QKeySequence(Qt::CTRL | Qt::Key_C));
    QAction* pegar =
        accion(this, QStringLiteral("&Pegar"), QStringLiteral("Pega desde el portafolio"),
               QKeySequence(Qt::CTRL | Qt::Key_V));
    QAction* todo = accion(this, QStringLiteral("Seleccionar todo"), QString());
    QAction* fuentes =
        accion(this, QStringLiteral("&Fuentes.."), QStringLiteral("Tipos de letras"));
    for (QAction* a : {deshacer, cortar, copiar, pegar, todo, fuentes})
        edicion->addAction(a);
    barraEdicion_ = {cortar, copiar, pegar, deshacer};
    connect(deshacer, &QAction::triggered, RichEdit1, &QTextEdit::undo);
    connect(cortar, &QAction::triggered, RichEdit1, &QTextEdit::cut);
    connect(copiar, &QAction::triggered, RichEdit1, &QTextEdit::copy);
    connect(pegar, &QAction::triggered, RichEdit1, &QTextEdit::paste);
    connect(todo, &QAction::triggered, RichEdit1, &QTextEdit::selectAll);
    connect(fuentes, &QAction::triggered, this, [this] {
        bool ok = false;
        const QFont f = QFontDialog::getFont(&ok, RichEdit1->currentFont(), this);
        if (ok)
            formato([&](QTextCharFormat& c) { c.setFont(f); });
    });
    // Cut and copy with a selection, undo when there is something to undo.
    cortar->setEnabled(false);
    copiar->setEnabled(false);
    deshacer->setEnabled(false);
    connect(RichEdit1, &QTextEdit::copyAvailable, cortar, &QAction::setEnabled);
    connect(RichEdit1, &QTextEdit::copyAvailable, copiar, &QAction::setEnabled);
    connect(RichEdit1, &QTextEdit::undoAvailable, deshacer, &QAction::setEnabled);
    const auto pegable = [this, pegar] { pegar->setEnabled(RichEdit1->canPaste()); };
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, pegable);
    pegable();

    MProcesos = menus->addMenu(QStringLiteral("Procesos"));
    AFormulas =
        accion(this, QStringLiteral("Formulas"), QStringLiteral("Formulas vinculadas al capítulo"));
    ACalculo = accion(this, QStringLiteral("Cálculo"), QStringLiteral("Resuelve las formulas"));
    ATexto =
        accion(this, QStringLiteral("Cambia a formulas"), QStringLiteral("Cambia a modo formulas"));
    for (QAction* a : {AFormulas, ACalculo, ATexto})
        MProcesos->addAction(a);
    ATexto->setVisible(false);
    connect(AFormulas, &QAction::triggered, this, [this] { ejecuta([this] { formulas(); }); });
    connect(ACalculo, &QAction::triggered, this,
            [this] { ejecuta([this] { pideContribuyente(); }); });
    connect(ATexto, &QAction::triggered, this, [this] { ejecuta([this] { CambiaAFormulas(); }); });
}

void TMainForm::creaBarra() {
    auto* barra = new QToolBar(this);
    barra->addActions(barraArchivos_);
    barra->addSeparator();
    barra->addActions(barraEdicion_);
    barra->addSeparator();
    fuente_ = new QFontComboBox;
    fuente_->setToolTip(QStringLiteral("Seleccione tipo de letra"));
    fuente_->setMaxVisibleItems(10);
    barra->addWidget(fuente_);
    connect(fuente_, &QFontComboBox::currentFontChanged, this, [this](const QFont& f) {
        if (!mostrando_)
            formato([&](QTextCharFormat& c) { c.setFontFamilies({f.family()}); });
    });
    tamano_ = new QSpinBox;
    tamano_->setToolTip(QStringLiteral("Tamaño de letra"));
    tamano_->setRange(1, 200);
    barra->addWidget(tamano_);
    connect(tamano_, &QSpinBox::valueChanged, this, [this](int size) {
        if (!mostrando_)
            formato([&](QTextCharFormat& c) { c.setFontPointSize(size); });
    });
    negrita_ = conmutador(barra, QStringLiteral("N"), QStringLiteral("Negrita"));
    cursiva_ = conmutador(barra, QStringLiteral("K"), QStringLiteral("Italica"));
    subrayado_ = conmutador(barra, QStringLiteral("S"), QStringLiteral("Subrayado"));
    connect(negrita_, &QToolButton::toggled, this, [this](bool on) {
        if (!mostrando_)
            formato([&](QTextCharFormat& c) { c.setFontWeight(on ? QFont::Bold : QFont::Normal); });
    });
    connect(cursiva_, &QToolButton::toggled, this, [this](bool on) {
        if (!mostrando_)
            formato([&](QTextCharFormat& c) { c.setFontItalic(on); });
    });
    connect(subrayado_, &QToolButton::toggled, this, [this](bool on) {
        if (!mostrando_)
            formato([&](QTextCharFormat& c) { c.setFontUnderline(on); });
    });
    barra->addSeparator();
    izquierda_ = conmutador(barra, QStringLiteral("≡←"), QStringLiteral("Alineación izquierda"));
    centro_ = conmutador(barra, QStringLiteral("≡"), QStringLiteral("Centrar"));
    derecha_ = conmutador(barra, QStringLiteral("→≡"), QStringLiteral("Alineación derecha"));
    for (auto [boton, alineacion] : {std::pair{izquierda_, Qt::AlignLeft},
                                     {centro_, Qt::AlignHCenter},
                                     {derecha_, Qt::AlignRight}})
        connect(boton, &QToolButton::clicked, this, [this, a = alineacion] { alinea(a); });
    vinetas_ = conmutador(barra, QStringLiteral("•"), QStringLiteral("Viñetas"));
    connect(vinetas_, &QToolButton::toggled, this, [this](bool on) {
        if (!mostrando_)
            vinetas(on);
    });
    barra->addSeparator();
    barra->addAction(AFormulas);
    barra->addAction(ACalculo);
    barra->addAction(ATexto);
}

// A command's broken rule is shown, and the window stays.
void TMainForm::ejecuta(const std::function<void()>& orden) {
    framework::runCommand(dm_.DMMain.prompts(), orden);
}

void TMainForm::carga(const QByteArray& rtf) {
    RichEdit1->clear();
    if (!rtf.isEmpty())
        (void)richtext::readRtf(rtf, *RichEdit1->document());
    RichEdit1->document()->setModified(false);
    RichEdit1->moveCursor(QTextCursor::Start);
    muestraSeleccion();
}

QByteArray TMainForm::contenido() const {
    return richtext::writeRtf(*RichEdit1->document());
}

bool TMainForm::modificado() const {
    return RichEdit1->document()->isModified();
}

void TMainForm::formato(const std::function<void(QTextCharFormat&)>& cambia) {
    QTextCharFormat f;
    cambia(f);
    QTextCursor cursor = RichEdit1->textCursor();
    cursor.mergeCharFormat(f);
    RichEdit1->mergeCurrentCharFormat(f);
}

void TMainForm::alinea(Qt::Alignment alineacion) {
    if (mostrando_)
        return;
    RichEdit1->setAlignment(alineacion);
    muestraSeleccion();
}

void TMainForm::vinetas(bool on) {
    QTextCursor cursor = RichEdit1->textCursor();
    if (on) {
        cursor.createList(QTextListFormat::ListDisc);
    } else if (QTextList* lista = cursor.currentList()) {
        lista->remove(cursor.block());
        QTextBlockFormat f = cursor.blockFormat();
        f.setIndent(0);
        cursor.setBlockFormat(f);
    }
}

// The controls show the selection; their own handlers keep still meanwhile.
void TMainForm::muestraSeleccion() {
    mostrando_ = true;
    const QTextCursor cursor = RichEdit1->textCursor();
    const QTextBlockFormat bloque = cursor.blockFormat();
    Ruler1->muestra(bloque.textIndent(), bloque.leftMargin(), bloque.rightMargin());
    const QTextCharFormat c = RichEdit1->currentCharFormat();
    negrita_->setChecked(c.fontWeight() >= QFont::Bold);
    cursiva_->setChecked(c.fontItalic());
    subrayado_->setChecked(c.fontUnderline());
    vinetas_->setChecked(cursor.currentList() != nullptr);
    const QFont f = RichEdit1->currentFont();
    tamano_->setValue(int(f.pointSizeF() > 0 ? f.pointSizeF() : f.pointSize()));
    fuente_->setCurrentFont(f);
    const Qt::Alignment a = RichEdit1->alignment();
    izquierda_->setChecked(a & Qt::AlignLeft);
    centro_->setChecked(a & Qt::AlignHCenter);
    derecha_->setChecked(a & Qt::AlignRight);
    mostrando_ = false;
    muestraEstado();
}

void TMainForm::muestraEstado() {
    const QTextCursor cursor = RichEdit1->textCursor();
    const int linea = cursor.blockNumber() + 1;
    const int columna = cursor.positionInBlock() + 1;
    posicion_->setText(QStringLiteral("Linea: %1   Col: %2").arg(linea, 3).arg(columna, 3));
    modificado_->setText(modificado() ? QStringLiteral("Modificado") : QString());
}

// Yes saves first, No goes on, Cancel stops.
bool TMainForm::guardaCambios() {
    if (!modificado())
        return true;
    const auto r = QMessageBox::question(this, QStringLiteral("Confirmación"),
                                         QStringLiteral("Save changes to %1?").arg(fichero_),
                                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (r == QMessageBox::Cancel)
        return false;
    return r == QMessageBox::No || (fichero_ == u"Capitulo" ? guardaComo() : guarda(fichero_));
}

void TMainForm::abre(const QString& fichero) {
    QFile f(fichero);
    if (!f.open(QIODevice::ReadOnly))
        throw tributra::Error(QStringLiteral("No se puede abrir %1").arg(fichero), f.errorString());
    const QByteArray bytes = f.readAll();
    RichEdit1->clear();
    if (bytes.startsWith("{\\rtf"))
        (void)richtext::readRtf(bytes, *RichEdit1->document());
    else
        RichEdit1->setPlainText(QString::fromLocal8Bit(bytes));
    RichEdit1->document()->setModified(false);
    RichEdit1->moveCursor(QTextCursor::Start);
    fichero_ = fichero;
    setWindowTitle(QStringLiteral("%1 - %2").arg(QFileInfo(fichero).fileName(),
                                                 QApplication::applicationDisplayName()));
}

bool TMainForm::guarda(const QString& fichero) {
    QFile f(fichero);
    if (!f.open(QIODevice::WriteOnly) || f.write(contenido()) < 0)
        throw tributra::Error(QStringLiteral("No se puede guardar %1").arg(fichero),
                              f.errorString());
    RichEdit1->document()->setModified(false);
    fichero_ = fichero;
    setWindowTitle(QStringLiteral("%1 - %2").arg(QFileInfo(fichero).fileName(),
                                                 QApplication::applicationDisplayName()));
    return true;
}

bool TMainForm::guardaComo() {
    const QString f = QFileDialog::getSaveFileName(this, QString(),
                                                   QCoreApplication::applicationDirPath(), kFiltro);
    return !f.isEmpty() && guarda(f);
}

void TMainForm::imprime() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QFileInfo(fichero_).fileName()); // a path would name the PDF oddly
    QPrintDialog dialogo(&printer, this);
    if (dialogo.exec() == QDialog::Accepted)
        RichEdit1->document()->print(&printer);
}

void TMainForm::modoMemoria() {
    PCapitulo->hide();
    MProcesos->menuAction()->setVisible(false);
    for (QAction* a : {AFormulas, ACalculo, ATexto})
        a->setVisible(false);
}

void TMainForm::InsertaFormula(int numero) {
    QApplication::clipboard()->setText(TDMMemorias::Marcador(numero));
    RichEdit1->insertPlainText(TDMMemorias::Marcador(numero));
}

// The formulas of the chapter; the one chosen goes to the caret.
void TMainForm::formulas() {
    TFMFormulas dialogo(dm_, this);
    dialogo.setWindowTitle(QStringLiteral("Formulas Memoria %1 Capítulo %2")
                               .arg(dm_.QMaestro.field(QStringLiteral("MEMORIA")).asString(),
                                    dm_.QCapitulos.field(QStringLiteral("CAPITULO")).asString()));
    if (dialogo.exec() == QDialog::Accepted)
        InsertaFormula(dm_.QFormulas.field(QStringLiteral("FORMULA")).asInteger());
}

void TMainForm::pideContribuyente() {
    TdlgEmpresa dialogo(dm_.DMMain, this);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    Calculo(dialogo.contribuyente());
}

QString TMainForm::scratch() const {
    return QDir::current().filePath(QStringLiteral("capitulo.txt"));
}

void TMainForm::Calculo(int contribuyente) {
    dm_.setContribuyente(contribuyente);
    dm_.setPideImporte([this](double guardado) -> std::optional<double> {
        TdlgFManual manual(dm_, guardado, this);
        if (manual.exec() != QDialog::Accepted)
            return std::nullopt;
        return manual.importe();
    });
    dm_.CalculaCapitulo();
    QFile f(scratch());
    if (!f.open(QIODevice::WriteOnly) || f.write(contenido()) < 0)
        throw tributra::Error(QStringLiteral("No se puede guardar %1").arg(scratch()),
                              f.errorString());
    f.close();
    SustituyeFormulas(*RichEdit1->document(), [this](int n) { return dm_.TextoFormula(n); });
    ATexto->setVisible(true);
    ACalculo->setVisible(false);
}

void TMainForm::CambiaAFormulas() {
    QFile f(scratch());
    if (!f.open(QIODevice::ReadOnly))
        throw tributra::Error(QStringLiteral("No se puede abrir %1").arg(scratch()),
                              f.errorString());
    RichEdit1->clear();
    (void)richtext::readRtf(f.readAll(), *RichEdit1->document());
    ATexto->setVisible(false);
    ACalculo->setVisible(true);
}

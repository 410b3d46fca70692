#include "framework/TFormBusqueda.h"

#include "db/Error.h"
#include "framework/Prompts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kConversionError = -303;

bool isNonZeroInteger(const QString& text) {
    bool ok = false;
    return text.toLongLong(&ok) != 0 && ok;
}

} // namespace

TFormBusqueda::TFormBusqueda(db::Database& database, db::Transaction& transaction,
                             framework::Prompts& prompts, const QString& baseSelect,
                             int columnCount, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), DataFind(database, transaction),
      prompts_(prompts), query_(baseSelect), columnCount_(columnCount) {
    setObjectName(QStringLiteral("FormBusqueda"));
    setWindowTitle(QStringLiteral("Diálogo de búsqueda"));

    Edt_valor = new QLineEdit;
    Edt_valor->setObjectName(QStringLiteral("Edt_valor"));
    auto* label = new QLabel(QStringLiteral("Valor de búsqueda"));
    label->setBuddy(Edt_valor);
    model_.setDataSet(&DataFind);
    DBGCampos = new QTableView;
    DBGCampos->setObjectName(QStringLiteral("DBGCampos"));
    DBGCampos->setModel(&model_);
    DBGCampos->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGCampos->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGCampos->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGCampos->verticalHeader()->hide();
    DBGCampos->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    DBGCampos->horizontalHeader()->setStretchLastSection(true);
    auto* BtOk = new QPushButton(QStringLiteral("Aceptar"));
    BtOk->setObjectName(QStringLiteral("BtOk"));
    BtOk->setDefault(true);
    auto* BtCancel = new QPushButton(QStringLiteral("Cancelar"));
    BtCancel->setObjectName(QStringLiteral("BtCancel"));
    for (QPushButton* b : {BtOk, BtCancel})
        b->setFocusPolicy(Qt::NoFocus);

    auto* top = new QHBoxLayout;
    top->addWidget(label);
    top->addWidget(Edt_valor, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtOk);
    buttons->addWidget(BtCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(DBGCampos, 1);
    layout->addLayout(buttons);
    resize(560, 380);

    connect(BtOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(DBGCampos, &QTableView::doubleClicked, this, &QDialog::accept);
    connect(Edt_valor, &QLineEdit::textChanged, this, &TFormBusqueda::valueChanged);
    connect(DBGCampos->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        EstableceCampo(model_.fieldName(section));
        Edt_valor->clear();
    });
    connect(DBGCampos->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && DataFind.active())
                    DataFind.moveTo(current.row());
            });
    Edt_valor->installEventFilter(this);
    DBGCampos->installEventFilter(this);
}

void TFormBusqueda::EstableceCampo(const QString& column) {
    if (!query_.EstableceCampo(column))
        return;
    DataFind.close();
    DataFind.setSelectSql(query_.select());
    reopen();
}

void TFormBusqueda::setValue(const QString& text) {
    Edt_valor->setText(text);
    valueChanged(); // also when the text was already there
}

// VALOR is the typed prefix, or the text cut to the search column's size once it
// fills it; the size is known once the column's statement has run.
void TFormBusqueda::reopen() {
    for (;;) {
        const SearchQuery::Value v = SearchQuery::valueFor(Edt_valor->text(), columnSize_);
        if (v.text != Edt_valor->text()) {
            cutting_ = true;
            Edt_valor->setText(v.text);
            Edt_valor->end(false);
            cutting_ = false;
        }
        DataFind.close();
        DataFind.setParam(QStringLiteral("VALOR"), v.valor);
        DataFind.open();
        const db::Field* f = DataFind.findField(query_.column());
        const int size = f && f->size() > 0 ? f->size() : 20;
        const bool settled = SearchQuery::valueFor(Edt_valor->text(), size).valor == v.valor;
        columnSize_ = size;
        if (settled)
            break;
    }
    model_.setHighlight(query_.column(), Qt::darkGreen, QColor());
    if (!DataFind.isEmpty())
        DBGCampos->selectRow(0);
}

void TFormBusqueda::valueChanged() {
    if (cutting_)
        return;
    try {
        if (!isNonZeroInteger(Edt_valor->text()) && columnCount_ >= 2 &&
            DataFind.fields().size() >= 2)
            EstableceCampo(DataFind.fields()[1]->name());
        reopen();
    } catch (const db::Error& e) {
        if (e.sqlCode() != kConversionError) {
            prompts_.error(e.text());
            return;
        }
        Edt_valor->clear();
    }
}

void TFormBusqueda::moveSearchColumn(int step) {
    const int count = std::min<int>(columnCount_, model_.columnCount());
    if (count <= 0)
        return;
    const int at = model_.columnOf(query_.column());
    EstableceCampo(model_.fieldName(((at < 0 ? 0 : at) + step + count) % count));
    Edt_valor->clear();
}

bool TFormBusqueda::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Right || key == Qt::Key_Left) {
            moveSearchColumn(key == Qt::Key_Right ? 1 : -1);
            return true;
        }
        if ((key == Qt::Key_Up || key == Qt::Key_Down) && watched != DBGCampos) {
            DBGCampos->setFocus();
            return false;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormBusqueda::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        DBGCampos->setFocus();
        return;
    }
    QDialog::keyPressEvent(event);
}

// The caret after what was typed, nothing selected: the next key goes on with it. Queued,
// since the dialog's own first focus selects the text.
void TFormBusqueda::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, [this] {
        Edt_valor->setFocus(Qt::OtherFocusReason);
        Edt_valor->deselect();
        Edt_valor->end(false);
    });
}

QString TFormBusqueda::chosen(const QString& column) const {
    const db::Field* f = DataFind.active() ? DataFind.findField(column) : nullptr;
    return f ? f->asString() : QString();
}

// Nothing chosen, nothing returned, whatever button closed the dialog.
void TFormBusqueda::done(int result) {
    const db::Field* f = DataFind.active() ? DataFind.findField(query_.column()) : nullptr;
    QDialog::done(f && !f->isNull() ? result : QDialog::Rejected);
}

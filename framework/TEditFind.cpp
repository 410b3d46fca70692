#include "framework/TEditFind.h"

#include "framework/LookupSearch.h"
#include "framework/UserCommand.h"

#include <QKeyEvent>

TEditFind::TEditFind(db::Database& database, db::Transaction& transaction,
                     framework::Prompts& prompts, Lookup lookup_, QWidget* parent)
    : QLineEdit(parent), lookup(std::move(lookup_)), database_(database), transaction_(transaction),
      prompts_(prompts) {
    connect(this, &QLineEdit::textChanged, this, &TEditFind::MuestraDescripcion);
}

void TEditFind::setLookUpEdit(QLineEdit* edit) {
    LookUpEdit = edit;
    makeCompanion(*edit, QPalette::ToolTipBase);
    MuestraDescripcion();
}

bool TEditFind::BuscaValor() {
    const auto chosen =
        searchLookup(database_, transaction_, prompts_, lookup, text(), OnBusqueda, window());
    if (!chosen)
        return false;
    setText(chosen->code);
    if (LookUpEdit)
        LookUpEdit->setText(chosen->description);
    return true;
}

void TEditFind::MuestraDescripcion() {
    showDescription(LookUpEdit, database_, transaction_, prompts_, lookup, text());
}

void TEditFind::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    if (event->key() == Tecla_activacion && event->modifiers() == Qt::NoModifier) {
        framework::runCommand(prompts_, [this] { BuscaValor(); });
        return;
    }
    QLineEdit::keyPressEvent(event);
}

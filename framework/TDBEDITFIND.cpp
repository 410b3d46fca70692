#include "framework/TDBEDITFIND.h"

#include "db/DataSet.h"
#include "framework/DataLink.h"
#include "framework/LookupSearch.h"
#include "framework/UserCommand.h"

#include <QKeyEvent>

TDBEDITFIND::TDBEDITFIND(db::DataSet& dataSet, const QString& fieldName,
                         framework::Prompts& prompts, Lookup lookup_, QWidget* parent)
    : DBEdit(dataSet, fieldName, prompts, parent), lookup(std::move(lookup_)) {
    connect(this, &QLineEdit::textChanged, this, &TDBEDITFIND::MuestraDescripcion);
}

void TDBEDITFIND::setLookUpEdit(QLineEdit* edit) {
    LookUpEdit = edit;
    makeCompanion(*edit, QPalette::Midlight);
    MuestraDescripcion();
}

bool TDBEDITFIND::BuscaValor() {
    db::DataSet& ds = link().dataSet();
    const auto chosen = searchLookup(ds.database(), ds.transaction(), link().prompts(), lookup,
                                     text(), OnBusqueda, window());
    if (!chosen)
        return false;
    enterText(chosen->code);
    return true;
}

void TDBEDITFIND::MuestraDescripcion() {
    db::DataSet& ds = link().dataSet();
    showDescription(LookUpEdit, ds.database(), ds.transaction(), link().prompts(), lookup, text());
}

void TDBEDITFIND::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Tecla_activacion && event->modifiers() == Qt::NoModifier) {
        framework::runCommand(link().prompts(), [this] { BuscaValor(); });
        return;
    }
    DBEdit::keyPressEvent(event);
}

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
    if (!lookup.searchable())
        return false;
    if (OnBusqueda)
        OnBusqueda();
    db::DataSet& ds = link().dataSet();
    const auto chosen =
        searchLookup(ds.database(), ds.transaction(), link().prompts(), lookup, text(), window());
    if (!chosen)
        return false;
    enterText(chosen->code);
    return true;
}

void TDBEDITFIND::MuestraDescripcion() {
    if (!LookUpEdit || lookup.LookUpFieldText.isEmpty())
        return;
    if (text().isEmpty()) {
        LookUpEdit->clear(); // no code, no description left from the one before
        return;
    }
    db::DataSet& ds = link().dataSet();
    framework::runCommand(link().prompts(), [&] {
        LookUpEdit->setText(lookup.describe(ds.database(), ds.transaction(), text()));
    });
}

void TDBEDITFIND::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Tecla_activacion && event->modifiers() == Qt::NoModifier) {
        framework::runCommand(link().prompts(), [this] { BuscaValor(); });
        return;
    }
    DBEdit::keyPressEvent(event);
}

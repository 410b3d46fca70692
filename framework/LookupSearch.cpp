#include "framework/LookupSearch.h"

#include "framework/TFormBusqueda.h"

#include <QLineEdit>

std::optional<LookupChoice> searchLookup(db::Database& database, db::Transaction& transaction,
                                         framework::Prompts& prompts, const Lookup& lookup,
                                         const QString& typed, QWidget* parent) {
    TFormBusqueda dialog(database, transaction, prompts, lookup.ConsultaBusqueda(),
                         int(lookup.Campos.size()), parent);
    dialog.EstableceCampo(lookup.CampoRetorno);
    dialog.setValue(typed);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return LookupChoice{dialog.chosen(lookup.CampoRetorno),
                        lookup.LookUpFieldText.isEmpty() ? QString()
                                                         : dialog.chosen(lookup.LookUpFieldText)};
}

void makeCompanion(QLineEdit& edit, QPalette::ColorRole shade) {
    edit.setReadOnly(true);
    edit.setFocusPolicy(Qt::NoFocus);
    edit.clear();
    QPalette palette = edit.palette();
    palette.setColor(QPalette::Base, palette.color(shade));
    edit.setPalette(palette);
}

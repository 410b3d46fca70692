#include "framework/LookupSearch.h"

#include "framework/TFormBusqueda.h"
#include "framework/UserCommand.h"

#include <QLineEdit>

std::optional<LookupChoice> searchLookup(db::Database& database, db::Transaction& transaction,
                                         framework::Prompts& prompts, const Lookup& lookup,
                                         const QString& typed,
                                         const std::function<void()>& onBusqueda, QWidget* parent) {
    if (!lookup.searchable())
        return std::nullopt;
    if (onBusqueda)
        onBusqueda();
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

void showDescription(QLineEdit* companion, db::Database& database, db::Transaction& transaction,
                     framework::Prompts& prompts, const Lookup& lookup, const QString& code) {
    if (!companion || lookup.CampoRetorno.isEmpty() || lookup.LookUpFieldText.isEmpty())
        return;
    framework::runCommand(
        prompts, [&] { companion->setText(lookup.describe(database, transaction, code)); });
}

void makeCompanion(QLineEdit& edit, QPalette::ColorRole shade) {
    edit.setReadOnly(true);
    edit.setFocusPolicy(Qt::NoFocus);
    edit.clear();
    QPalette palette = edit.palette();
    palette.setColor(QPalette::Base, palette.color(shade));
    edit.setPalette(palette);
}

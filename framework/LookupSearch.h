#pragma once

#include "framework/Lookup.h"

#include <QPalette>

#include <functional>
#include <optional>

class QLineEdit;
class QWidget;
namespace framework {
class Prompts;
}

// What the search dialog returned: the code and its description.
struct LookupChoice {
    QString code;
    QString description;
};

// Opens the search dialog of a lookup on the text typed so far, after onBusqueda; nothing
// when the lookup lacks its table or columns, or the user cancelled or chose no row.
std::optional<LookupChoice> searchLookup(db::Database& database, db::Transaction& transaction,
                                         framework::Prompts& prompts, const Lookup& lookup,
                                         const QString& typed,
                                         const std::function<void()>& onBusqueda, QWidget* parent);

// The companion edit shows the code's description (empty for no code or an unknown one);
// a database error is shown and the companion keeps what it had.
void showDescription(QLineEdit* companion, db::Database& database, db::Transaction& transaction,
                     framework::Prompts& prompts, const Lookup& lookup, const QString& code);

// The description beside a lookup edit: read-only, out of the tab order, empty, shaded.
void makeCompanion(QLineEdit& edit, QPalette::ColorRole shade);

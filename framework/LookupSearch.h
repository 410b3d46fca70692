#pragma once

#include "framework/Lookup.h"

#include <QPalette>

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

// Opens the search dialog of a lookup on the text typed so far; nothing when the user
// cancelled or chose no row.
std::optional<LookupChoice> searchLookup(db::Database& database, db::Transaction& transaction,
                                         framework::Prompts& prompts, const Lookup& lookup,
                                         const QString& typed, QWidget* parent);

// The description beside a lookup edit: read-only, out of the tab order, empty, shaded.
void makeCompanion(QLineEdit& edit, QPalette::ColorRole shade);

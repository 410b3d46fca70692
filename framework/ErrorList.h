#pragma once

#include <QString>

namespace framework {

// What the agency's tools left in the folder: "Errores.txt", else "Errores.xml", else
// a line saying there is nothing.
QString errorListText(const QString& folder);

} // namespace framework

#pragma once

#include <QString>

namespace platform {

// Copies source over target. The copy is made beside the target and renamed into place,
// so a failed copy never costs the file that was there. False when it failed.
bool replaceFile(const QString& source, const QString& target);

} // namespace platform

#pragma once

#include <QString>

namespace platform {

// Copies source over target. The copy is written beside the target and renamed over it in
// one step, so the target is never missing and a failure leaves it as it was. Empty when it
// worked, otherwise why it failed.
[[nodiscard]] QString replaceFile(const QString& source, const QString& target);

} // namespace platform

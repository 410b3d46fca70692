#pragma once

#include <QByteArray>
#include <QString>

namespace util {

// The DOS code page 850 of the agency's reference files. Own table, so that the result
// never depends on which codecs the platform offers. Bytes below 0x80 are ASCII.
QString fromOem850(const QByteArray& bytes);

} // namespace util

#pragma once

#include <QString>

namespace platform {

// A file name made from data (a surname) that every file system takes and that always
// names a file inside its folder: the characters no Windows file name may hold
// (\ / : * ? " < > | and the control characters) become "_", leading dots and trailing
// blanks and dots are dropped. A name without any of them comes back as it was.
QString safeFileName(const QString& name);

} // namespace platform

#pragma once

#include <QStringList>

namespace config {

// The system always connects with the administrator account.
inline QStringList adminParams() {
    return {QStringLiteral("user_name=SYSDBA"), QStringLiteral("password=quillbrag")};
}

} // namespace config

#pragma once

#include <QString>
#include <QStringList>

namespace config {

// The system always connects with the administrator account.
inline QString adminUser() {
    return QStringLiteral("SYSDBA");
}

inline QString adminPassword() {
    return QStringLiteral("quillbrag");
}

inline QStringList adminParams() {
    return {QStringLiteral("user_name=") + adminUser(),
            QStringLiteral("password=") + adminPassword()};
}

} // namespace config

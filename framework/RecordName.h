#pragma once

#include <QString>

namespace framework {

// How the messages about a module's record name it: "esta declaración", "abrirla".
struct RecordName {
    QString este = QStringLiteral("este registro");
    QString abrirlo = QStringLiteral("abrirlo");
};

} // namespace framework

#include "framework/UserMessage.h"

#include "db/Error.h"
#include "framework/RecordName.h"

namespace framework {
namespace {

QString inWords(const db::Error& error, const RecordName& record) {
    switch (error.kind()) {
    case db::Error::Kind::DuplicateKey:
        return QStringLiteral("Otro puesto ha grabado %1 al mismo tiempo; vuelva a %2")
            .arg(record.este, record.abrirlo);
    case db::Error::Kind::Conflict:
        return QStringLiteral("Otro puesto está modificando %1 o acaba de hacerlo; lo escrito "
                              "sigue en pantalla: espere un momento y vuelva a grabar, o "
                              "cancele y vuelva a %2")
            .arg(record.este, record.abrirlo);
    case db::Error::Kind::ConnectionLost:
        return QStringLiteral("Se ha perdido la conexión con la base de datos; lo escrito sigue "
                              "en pantalla. Compruebe la red y el servidor, anote los datos y "
                              "vuelva a abrir la aplicación");
    case db::Error::Kind::Other:
        break;
    }
    return {};
}

} // namespace

QString userMessage(const tributra::Error& error, const RecordName& record) {
    const auto* database = dynamic_cast<const db::Error*>(&error);
    const QString words = database ? inWords(*database, record) : QString();
    return words.isEmpty() ? error.message() : words + QStringLiteral("\n\n") + error.message();
}

} // namespace framework

#include "db/Error.h"

#include "db/Client.h"
#include "util/Win1252.h"

#include <firebird/Interface.h>
#include <ibase.h>

namespace db {

Error Error::fromStatus(const Firebird::IStatus* status) {
    char text[2048] = {};
    auto* mutableStatus = const_cast<Firebird::IStatus*>(status);
    client::util()->formatStatus(text, sizeof text - 1, mutableStatus);
    const int code = isc_sqlcode(mutableStatus->getErrors());
    // The connection's character set, not the workstation's: a Spanish exception text
    // comes as Windows-1252 bytes.
    return Error(util::fromWin1252(QByteArray(text)).trimmed(), code);
}

} // namespace db

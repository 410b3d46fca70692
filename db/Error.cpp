#include "db/Error.h"

#include "db/Client.h"

#include <firebird/Interface.h>
#include <ibase.h>

namespace db {

Error Error::fromStatus(const Firebird::IStatus* status) {
    char text[2048] = {};
    auto* mutableStatus = const_cast<Firebird::IStatus*>(status);
    client::util()->formatStatus(text, sizeof text - 1, mutableStatus);
    const int code = isc_sqlcode(mutableStatus->getErrors());
    return Error(QString::fromLocal8Bit(text).trimmed(), code);
}

} // namespace db

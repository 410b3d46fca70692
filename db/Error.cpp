#include "db/Error.h"

#include "db/Client.h"
#include "util/Win1252.h"

#include <firebird/Interface.h>
#include <iberror.h>
#include <ibase.h>

namespace db {
namespace {

Error::Kind kindOf(const ISC_STATUS* vector) {
    for (const ISC_STATUS* v = vector; *v != isc_arg_end; v += 2) {
        if (v[0] != isc_arg_gds)
            continue;
        switch (v[1]) {
        case isc_unique_key_violation:
        case isc_no_dup:
            return Error::Kind::DuplicateKey;
        case isc_lock_conflict:
        case isc_update_conflict:
        case isc_deadlock:
            return Error::Kind::Conflict;
        case isc_network_error:
        case isc_net_read_err:
        case isc_net_write_err:
        case isc_lost_db_connection:
        case isc_att_shutdown:
        case isc_shutdown:
            return Error::Kind::ConnectionLost;
        default:
            break;
        }
    }
    return Error::Kind::Other;
}

} // namespace

Error Error::fromStatus(const Firebird::IStatus* status) {
    char text[2048] = {};
    auto* mutableStatus = const_cast<Firebird::IStatus*>(status);
    client::util()->formatStatus(text, sizeof text - 1, mutableStatus);
    const ISC_STATUS* vector = mutableStatus->getErrors();
    const int code = isc_sqlcode(vector);
    // The connection's character set, not the workstation's: a Spanish exception text
    // comes as Windows-1252 bytes.
    return Error(util::fromWin1252(QByteArray(text)).trimmed(), code, kindOf(vector));
}

} // namespace db

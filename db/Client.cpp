#include "db/Client.h"

#include "db/Error.h"

namespace db::client {

Firebird::IMaster* master() {
    static Firebird::IMaster* const instance = Firebird::fb_get_master_interface();
    return instance;
}

Firebird::IUtil* util() {
    return master()->getUtilInterface();
}

Status::Status() : Firebird::ThrowStatusWrapper(master()->getStatus()) {}

Status::~Status() {
    dispose();
}

void rethrow(const Firebird::FbException& e) {
    throw Error::fromStatus(e.getStatus());
}

} // namespace db::client

#include "db/Transaction.h"

#include "db/Client.h"
#include "db/Database.h"
#include "db/Error.h"

#include <ibase.h>

namespace db {

Transaction::Transaction(Database& database) : database_(&database) {
    database.registerTransaction(this);
}

Transaction::~Transaction() {
    if (handle_) {
        try {
            rollback();
        } catch (const Error&) {
            // The connection is gone; so is the transaction.
        }
    }
    if (database_)
        database_->unregisterTransaction(this);
}

Database& Transaction::database() const {
    if (!database_)
        throw Error(QStringLiteral("La transacción no tiene base de datos"));
    return *database_;
}

void Transaction::start() {
    if (handle_)
        throw Error(QStringLiteral("La transacción ya está activa"));
    auto* attachment = database().attachment();
    static const unsigned char tpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed,
                                        isc_tpb_rec_version, isc_tpb_nowait};
    handle_ = client::call(
        [&](client::Status* st) { return attachment->startTransaction(st, sizeof tpb, tpb); });
}

Firebird::ITransaction* Transaction::handle() {
    if (!handle_)
        start();
    return handle_;
}

void Transaction::commit() {
    end(true);
}

void Transaction::rollback() {
    end(false);
}

void Transaction::end(bool commit) {
    if (!handle_)
        throw Error(QStringLiteral("La transacción no está activa"));
    client::call([&](client::Status* st) {
        if (commit)
            handle_->commit(st);
        else
            handle_->rollback(st);
    });
    handle_ = nullptr;
}

void Transaction::commitRetaining() {
    client::call([&](client::Status* st) { handle()->commitRetaining(st); });
}

void Transaction::rollbackRetaining() {
    client::call([&](client::Status* st) { handle()->rollbackRetaining(st); });
}

void Transaction::forgetDatabase() {
    handle_ = nullptr;
    database_ = nullptr;
}

} // namespace db

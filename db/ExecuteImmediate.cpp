#include "db/ExecuteImmediate.h"

#include "db/Client.h"
#include "db/Database.h"
#include "db/Transaction.h"
#include "util/Win1252.h"

namespace db {

void executeImmediate(Transaction& transaction, const QString& sql) {
    auto* att = transaction.database().attachment();
    auto* tra = transaction.handle();
    const QByteArray text = util::toWin1252(sql);
    client::call([&](client::Status* st) {
        att->execute(st, tra, unsigned(text.size()), text.constData(), 1, nullptr, nullptr, nullptr,
                     nullptr);
    });
}

} // namespace db

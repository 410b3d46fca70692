#include "db/Database.h"

#include "db/Client.h"
#include "db/Error.h"
#include "db/Transaction.h"
#include "util/Win1252.h"

#include <ibase.h>

#include <algorithm>

namespace db {
namespace {

using Firebird::IXpbBuilder;

constexpr int kDialect = 1;
constexpr const char* kCharset = "WIN1252";

struct Builder {
    IXpbBuilder* xpb;
    ~Builder() { xpb->dispose(); }
};

void addParams(client::Status* st, IXpbBuilder* dpb, const QStringList& lines) {
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        const qsizetype eq = line.indexOf(u'=');
        const QString name = line.left(eq).trimmed().toLower();
        const QByteArray value = util::toWin1252(eq < 0 ? QString() : line.mid(eq + 1).trimmed());
        if (name == u"user_name")
            dpb->insertString(st, isc_dpb_user_name, value.constData());
        else if (name == u"password")
            dpb->insertString(st, isc_dpb_password, value.constData());
        else if (name == u"sql_role_name")
            dpb->insertString(st, isc_dpb_sql_role_name, value.constData());
        else if (name == u"force_write" && (value == "0" || value == "1"))
            dpb->insertInt(st, isc_dpb_force_write, value == "1");
        else
            throw Error(QStringLiteral("Parámetro de conexión desconocido: %1").arg(name));
    }
    dpb->insertString(st, isc_dpb_lc_ctype, kCharset);
    dpb->insertInt(st, isc_dpb_sql_dialect, kDialect);
}

void (*afterAttach)() = nullptr;

// Runs the hook on the way out of a call into the client, however it went.
struct AfterAttach {
    ~AfterAttach() {
        if (afterAttach)
            afterAttach();
    }
};

} // namespace

Database::~Database() {
    try {
        close();
    } catch (const Error&) {
        // Nothing left to tell anyone at this point.
    }
    for (Transaction* t : transactions_)
        t->forgetDatabase();
}

void Database::open() {
    if (attachment_)
        return;
    const QByteArray name = util::toWin1252(name_);
    const AfterAttach after;
    attachment_ = client::call([&](client::Status* st) {
        Builder dpb{client::util()->getXpbBuilder(st, IXpbBuilder::DPB, nullptr, 0)};
        addParams(st, dpb.xpb, params_);
        auto* provider = client::master()->getDispatcher();
        auto* att = provider->attachDatabase(st, name.constData(), dpb.xpb->getBufferLength(st),
                                             dpb.xpb->getBuffer(st));
        provider->release();
        return att;
    });
    ++generation_;
}

void Database::close() {
    if (!attachment_)
        return;
    // Work nobody committed is undone, never committed behind the user's back.
    for (Transaction* t : transactions_)
        if (t->active())
            t->rollback();
    client::call([&](client::Status* st) { attachment_->detach(st); });
    attachment_ = nullptr;
}

bool Database::answers() const {
    if (!attachment_)
        return false;
    try {
        client::call([&](client::Status* st) { attachment_->ping(st); });
        return true;
    } catch (const Error&) {
        return false;
    }
}

void Database::create(const QString& name, const QStringList& params, int pageSize) {
    const QByteArray path = util::toWin1252(name);
    const AfterAttach after;
    client::call([&](client::Status* st) {
        Builder dpb{client::util()->getXpbBuilder(st, IXpbBuilder::DPB, nullptr, 0)};
        addParams(st, dpb.xpb, params);
        dpb.xpb->insertInt(st, isc_dpb_page_size, pageSize);
        dpb.xpb->insertString(st, isc_dpb_set_db_charset, kCharset);
        auto* provider = client::master()->getDispatcher();
        auto* att = provider->createDatabase(st, path.constData(), dpb.xpb->getBufferLength(st),
                                             dpb.xpb->getBuffer(st));
        provider->release();
        att->detach(st);
    });
}

void Database::shutdownClient() {
    client::call([](client::Status* st) {
        auto* provider = client::master()->getDispatcher();
        provider->shutdown(st, 0, fb_shutrsn_app_stopped);
        provider->release();
    });
}

void Database::setAfterAttach(void (*hook)()) {
    afterAttach = hook;
}

Firebird::IAttachment* Database::attachment() const {
    if (!attachment_)
        throw Error(QStringLiteral("La base de datos no está conectada"));
    return attachment_;
}

void Database::registerTransaction(Transaction* t) {
    transactions_.push_back(t);
}

void Database::unregisterTransaction(Transaction* t) {
    std::erase(transactions_, t);
}

} // namespace db

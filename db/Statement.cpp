#include "db/Statement.h"

#include "db/Client.h"
#include "db/Database.h"
#include "db/Error.h"
#include "db/Message.h"
#include "db/ParameterScan.h"
#include "db/Transaction.h"
#include "util/Win1252.h"

#include <ibase.h>

namespace db {
namespace {

constexpr unsigned kDialect = 1;

} // namespace

Statement::Statement(Database& database, Transaction& transaction)
    : database_(&database), transaction_(&transaction) {}

Statement::~Statement() {
    try {
        release();
    } catch (const Error&) {
        // The connection went first; its statements went with it.
    }
}

void Statement::setSql(const QString& sql) {
    if (sql == sql_)
        return;
    release();
    sql_ = sql;
    const ParsedSql parsed = parseParameters(sql);
    engineSql_ = parsed.sql;
    markerNames_ = parsed.names;
    distinctNames_.clear();
    for (const QString& n : markerNames_)
        if (!distinctNames_.contains(n))
            distinctNames_ << n;
    values_ = QVector<QVariant>(distinctNames_.size());
}

int Statement::paramIndex(const QString& name) const {
    return int(distinctNames_.indexOf(name.toUpper()));
}

bool Statement::hasParam(const QString& name) const {
    return paramIndex(name) >= 0;
}

void Statement::setParam(const QString& name, const QVariant& value) {
    const int i = paramIndex(name);
    if (i < 0)
        throw Error(QStringLiteral("Parámetro desconocido: %1").arg(name));
    values_[i] = value;
}

QVariant Statement::param(const QString& name) const {
    const int i = paramIndex(name);
    if (i < 0)
        throw Error(QStringLiteral("Parámetro desconocido: %1").arg(name));
    return values_[i];
}

bool Statement::prepared() const {
    return statement_ && generation_ == database_->generation() && database_->connected();
}

void Statement::prepare() {
    if (prepared())
        return;
    release();
    auto* att = database_->attachment();
    auto* tra = transaction_->handle();
    const QByteArray text = util::toWin1252(engineSql_);
    client::call([&](client::Status* st) {
        statement_ = att->prepare(st, tra, 0, text.constData(), kDialect,
                                  Firebird::IStatement::PREPARE_PREFETCH_METADATA);
        const unsigned type = statement_->getType(st);
        isSelect_ = type == isc_info_sql_stmt_select || type == isc_info_sql_stmt_select_for_upd;
        outMeta_ = statement_->getOutputMetadata(st);
        layout_ = message::OutputLayout(outMeta_);
        outBuffer_.assign(layout_.length(), 0);
    });
    generation_ = database_->generation();
}

void Statement::execute() {
    close();
    prepare();
    QVector<QVariant> markerValues;
    markerValues.reserve(markerNames_.size());
    for (const QString& n : markerNames_)
        markerValues << values_[paramIndex(n)];
    auto* att = database_->attachment();
    auto* tra = transaction_->handle();
    client::call([&](client::Status* st) {
        auto* described = statement_->getInputMetadata(st);
        try {
            message::Input input(described, markerValues, att, tra);
            if (isSelect_) {
                cursor_ =
                    statement_->openCursor(st, tra, input.metadata(), input.buffer(), outMeta_, 0);
            } else {
                statement_->execute(st, tra, input.metadata(), input.buffer(), outMeta_,
                                    outBuffer_.data());
                eof_ = columns().empty();
                if (!eof_)
                    row_ = layout_.decode(outBuffer_.data(), att, tra);
            }
        } catch (...) {
            described->release();
            throw;
        }
        described->release();
    });
    if (isSelect_)
        next();
}

void Statement::next() {
    if (!cursor_) {
        eof_ = true;
        return;
    }
    auto* att = database_->attachment();
    auto* tra = transaction_->handle();
    client::call([&](client::Status* st) {
        if (cursor_->fetchNext(st, outBuffer_.data()) == Firebird::IStatus::RESULT_OK) {
            row_ = layout_.decode(outBuffer_.data(), att, tra);
            eof_ = false;
            return;
        }
        eof_ = true;
        cursor_->close(st);
        cursor_ = nullptr;
    });
}

void Statement::close() {
    eof_ = true;
    row_.clear();
    if (!cursor_)
        return;
    auto* cursor = cursor_;
    cursor_ = nullptr;
    if (!database_->connected() || generation_ != database_->generation()) {
        cursor->release();
        return;
    }
    try {
        client::call([&](client::Status* st) { cursor->close(st); });
    } catch (const Error&) {
        // A hard commit already closed it on the engine's side.
        cursor->release();
    }
}

void Statement::release() {
    close();
    if (outMeta_) {
        outMeta_->release();
        outMeta_ = nullptr;
    }
    layout_ = {};
    if (!statement_)
        return;
    auto* statement = statement_;
    statement_ = nullptr;
    if (database_->connected() && generation_ == database_->generation())
        client::call([&](client::Status* st) { statement->free(st); });
    else
        statement->release();
}

int Statement::columnIndex(const QString& name) const {
    const QString upper = name.toUpper();
    for (size_t i = 0; i < columns().size(); ++i)
        if (columns()[i].name == upper)
            return int(i);
    return -1;
}

Value Statement::field(const QString& name) const {
    const int i = columnIndex(name);
    if (i < 0)
        throw Error(QStringLiteral("Campo '%1' no encontrado").arg(name));
    return field(i);
}

Value Statement::field(int index) const {
    if (index < 0 || index >= int(columns().size()))
        throw Error(QStringLiteral("Campo %1 fuera de rango").arg(index));
    return index < row_.size() ? Value(row_[index]) : Value();
}

} // namespace db

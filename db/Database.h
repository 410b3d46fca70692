#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace Firebird {
class IAttachment;
}

namespace db {

class Transaction;

// One connection to a Firebird database: a local path (embedded engine) or server:path.
// Always SQL dialect 1 with lc_ctype WIN1252.
class Database {
public:
    Database() = default;
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void setDatabaseName(const QString& name) { name_ = name; }
    const QString& databaseName() const { return name_; }
    // Connection parameters as name=value lines: user_name, password, sql_role_name,
    // force_write (0 or 1: whether every write waits for the disk).
    void setParams(const QStringList& lines) { params_ = lines; }
    const QStringList& params() const { return params_; }

    void open();
    // Rolls back every active transaction of the connection, then detaches: what should
    // last was committed by whoever wrote it.
    void close();
    bool connected() const { return attachment_ != nullptr; }
    // False when the connection was open but the server no longer answers.
    bool answers() const;

    // Creates a new, empty database (dialect 1, default character set WIN1252).
    static void create(const QString& name, const QStringList& params, int pageSize = 8192);
    // Stops the client and the embedded engine, so that their threads end before the
    // process does; connections still open are cut.
    static void shutdownClient();
    // Runs after every attachment and creation, whether it worked or not: the client
    // installs its own SIGINT and SIGTERM handlers at its first one, and a program that
    // owns those signals takes them back here.
    static void setAfterAttach(void (*afterAttach)());

    // For the rest of db/: the engine's handle and a count of reconnections, so that
    // statements prepared on an earlier connection prepare again.
    Firebird::IAttachment* attachment() const;
    int generation() const { return generation_; }
    void registerTransaction(Transaction* t);
    void unregisterTransaction(Transaction* t);

private:
    QString name_;
    QStringList params_;
    Firebird::IAttachment* attachment_ = nullptr;
    int generation_ = 0;
    std::vector<Transaction*> transactions_;
};

} // namespace db

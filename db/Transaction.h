#pragma once

namespace Firebird {
class ITransaction;
}

namespace db {

class Database;

// Read committed, record version, no wait: a reader never waits and sees what others
// committed, a conflicting write fails at once.
class Transaction {
public:
    explicit Transaction(Database& database);
    // An active transaction is rolled back: whatever should last was committed.
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void start();
    void commit();
    void commitRetaining();
    void rollback();
    void rollbackRetaining();
    bool active() const { return handle_ != nullptr; }

    Database& database() const;
    // Starts the transaction when it is not active; statements and datasets run in it.
    Firebird::ITransaction* handle();

    void forgetDatabase();

private:
    void end(bool commit);

    Database* database_;
    Firebird::ITransaction* handle_ = nullptr;
};

} // namespace db

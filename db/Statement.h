#pragma once

#include "db/FieldType.h"
#include "db/Message.h"
#include "db/Value.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <vector>

namespace Firebird {
class IMessageMetadata;
class IResultSet;
class IStatement;
} // namespace Firebird

namespace db {

class Database;
class Transaction;

// One SQL text with :NAME parameters. A select yields rows one by one; any other
// statement runs once (an "execute procedure" yields its outputs as one row).
class Statement {
public:
    Statement(Database& database, Transaction& transaction);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void setSql(const QString& sql);
    const QString& sql() const { return sql_; }
    Transaction& transaction() const { return *transaction_; }

    // Distinct parameter names, upper case, in order of first appearance.
    const QStringList& paramNames() const { return distinctNames_; }
    bool hasParam(const QString& name) const;
    // Names compare case-insensitively; an unknown name is an error, never ignored.
    void setParam(const QString& name, const QVariant& value);
    QVariant param(const QString& name) const;

    void prepare();
    // A select opens its cursor and reads the first row; eof() tells whether one came.
    void execute();
    bool eof() const { return eof_; }
    void next();
    void close();

    const std::vector<ColumnInfo>& columns() const { return layout_.columns(); }
    int columnIndex(const QString& name) const; // -1 when there is none
    Value field(const QString& name) const;
    Value field(int index) const;
    const QVector<QVariant>& row() const { return row_; }

private:
    void release();
    bool prepared() const;
    int paramIndex(const QString& name) const;

    Database* database_;
    Transaction* transaction_;
    QString sql_;
    QString engineSql_;
    QStringList markerNames_;
    QStringList distinctNames_;
    QVector<QVariant> values_;
    Firebird::IStatement* statement_ = nullptr;
    int generation_ = 0;
    bool isSelect_ = false;
    Firebird::IMessageMetadata* outMeta_ = nullptr;
    message::OutputLayout layout_;
    std::vector<unsigned char> outBuffer_;
    Firebird::IResultSet* cursor_ = nullptr;
    QVector<QVariant> row_;
    bool eof_ = true;
};

} // namespace db

#pragma once

#include "db/DataSetEvent.h"
#include "db/Field.h"
#include "db/Statement.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVector>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace db {

class Database;
class Transaction;

struct LocateOptions {
    bool caseInsensitive = false;
    bool partialKey = false; // texts match when they begin with the value
};

// An editable result: its select, insert, modify, delete and refresh statements, the
// rows of the open result, and the current row's fields. Posting runs the insert or
// modify statement with the fields' values by name (:OLD_NAME sends the value from
// before the edit). A detail (setMaster) takes its parameters from the master's fields
// of the same name and opens again whenever the master moves to another row.
class DataSet : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };
    using FieldHook = std::function<void(Field&)>;

    DataSet(Database& database, Transaction& transaction, QObject* parent = nullptr);
    ~DataSet() override;

    void setSelectSql(const QString& sql) { selectSql_ = sql; }
    const QString& selectSql() const { return selectSql_; }
    void setInsertSql(const QString& sql) { insertSql_ = sql; }
    const QString& insertSql() const { return insertSql_; }
    void setModifySql(const QString& sql) { modifySql_ = sql; }
    const QString& modifySql() const { return modifySql_; }
    void setDeleteSql(const QString& sql) { deleteSql_ = sql; }
    const QString& deleteSql() const { return deleteSql_; }
    void setRefreshSql(const QString& sql) { refreshSql_ = sql; }
    const QString& refreshSql() const { return refreshSql_; }

    // Parameters of the select; they outlive changes of its text.
    void setParam(const QString& name, const QVariant& value);
    QVariant param(const QString& name) const;
    const QHash<QString, QVariant>& params() const { return params_; }

    void setMaster(DataSet* master);
    DataSet* master() const { return master_; }

    Database& database() const { return *database_; }
    Transaction& transaction() const { return *transaction_; }

    State state() const { return state_; }
    bool active() const { return state_ != State::Inactive; }
    bool editing() const { return state_ == State::Edit || state_ == State::Insert; }
    bool modified() const { return modified_; }
    // Open, with statements that write: what the navigator and the controls allow.
    bool canModify() const {
        return active() && !(insertSql_.isEmpty() && modifySql_.isEmpty() && deleteSql_.isEmpty());
    }

    void open();
    void close();
    void insert();
    void append();
    void edit();
    void post();
    void cancel();
    void remove();
    void refresh();

    void first();
    void prior();
    void next();
    void last();
    void moveTo(int row);
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }
    bool isEmpty() const { return rows_.empty(); }
    int recordCount() const { return int(rows_.size()); }
    int currentRow() const { return current_; }
    // Moves to the first row whose fields ("A;B") equal the values; false leaves the
    // position as it was.
    bool locate(const QString& fields, const QVariantList& values, LocateOptions options = {});

    // Before the first open a name declares a field, so that formats and hooks can be
    // set up front; an open whose result lacks a declared field fails.
    Field& field(const QString& name);
    Field* findField(const QString& name) const;
    const std::vector<Field*>& fields() const { return ordered_; }
    QVariant valueAt(int row, int column) const;
    // What the field of that column shows for any row (display format, get-text hook),
    // as its text() would with that row current: what lists show.
    QString displayText(int row, int column) const;

    DataSetEvent beforeOpen;
    DataSetEvent afterOpen;
    // Before a row is added: a handler refuses it by throwing, or drops it quietly with
    // abandonInsert().
    DataSetEvent beforeInsert;
    DataSetEvent onNewRecord;
    DataSetEvent beforePost;
    DataSetEvent afterPost;
    DataSetEvent afterDelete;
    DataSetEvent afterEdit;
    DataSetEvent afterScroll;
    void onFieldChange(const QStringList& names, const FieldHook& hook);
    void onFieldValidate(const QStringList& names, const FieldHook& hook);

    void refusePost(const QString& reason) { refusal_ = reason; }
    void abandonInsert() { abandoned_ = true; }

    // For Field: the current row, and writing one value through the hooks.
    QVariant currentValue(int column) const;
    QVariant oldValue(int column) const;
    void setFieldValue(Field& field, const QVariant& value);

signals:
    void stateChanged();
    void rowsChanged();    // opened, closed, refreshed, a row added or removed
    void currentChanged(); // another row is the current one
    void fieldChanged(db::Field* field);
    // Before a post: controls still holding typed text write it into their fields; one
    // that cannot calls refusePost, and the post fails with that text.
    void aboutToPost();

private:
    void bindFields(const std::vector<ColumnInfo>& columns);
    void checkActive() const;
    void checkBrowseMode();
    // Adds an empty row at `at` unless a beforeInsert handler abandons it.
    void addRow(int at);
    void setState(State state);
    void scrolled();
    void rowsChangedHere();
    void masterChanged();
    void bindParams(Statement& statement, bool fromFields) const;
    void runWrite(Statement& statement, const QString& sql, const char* missing);
    void checkRequired() const;
    void reopenKeepingRow();

    Database* database_;
    Transaction* transaction_;
    QString selectSql_, insertSql_, modifySql_, deleteSql_, refreshSql_;
    Statement select_, insert_, modify_, delete_, refresh_;
    QHash<QString, QVariant> params_;
    DataSet* master_ = nullptr;
    std::vector<DataSet*> details_;

    std::map<QString, std::unique_ptr<Field>> fieldsByName_;
    std::vector<Field*> ordered_;
    std::map<QString, std::vector<FieldHook>> changeHooks_;
    std::map<QString, std::vector<FieldHook>> validateHooks_;

    std::vector<QVector<QVariant>> rows_;
    QVector<QVariant> oldRow_;
    int current_ = -1;
    bool bof_ = true;
    bool eof_ = true;
    bool modified_ = false;
    State state_ = State::Inactive;
    mutable int shownRow_ = -1; // the row displayText formats, read instead of current_
    QString refusal_;
    bool abandoned_ = false;
};

} // namespace db

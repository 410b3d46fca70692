#include "db/DataSet.h"

#include "db/Error.h"
#include "db/Transaction.h"

#include <QScopedValueRollback>

#include <algorithm>

namespace db {
namespace {

const QString kOldPrefix = QStringLiteral("OLD_");

bool matches(const QVariant& have, const QVariant& want, LocateOptions options) {
    const bool haveNull = !have.isValid() || have.isNull();
    const bool wantNull = !want.isValid() || want.isNull();
    if (haveNull || wantNull)
        return haveNull && wantNull;
    if (have.typeId() == QMetaType::QString || want.typeId() == QMetaType::QString) {
        const Qt::CaseSensitivity cs =
            options.caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
        const QString a = Value(have).asString();
        const QString b = Value(want).asString();
        return options.partialKey ? a.startsWith(b, cs) : a.compare(b, cs) == 0;
    }
    return QVariant::compare(have, want) == QPartialOrdering::Equivalent;
}

} // namespace

DataSet::DataSet(Database& database, Transaction& transaction, QObject* parent)
    : QObject(parent), database_(&database), transaction_(&transaction),
      select_(database, transaction), insert_(database, transaction),
      modify_(database, transaction), delete_(database, transaction),
      refresh_(database, transaction) {}

DataSet::~DataSet() {
    setMaster(nullptr);
    for (DataSet* d : details_)
        d->master_ = nullptr;
}

void DataSet::setParam(const QString& name, const QVariant& value) {
    params_.insert(name.toUpper(), value);
}

QVariant DataSet::param(const QString& name) const {
    return params_.value(name.toUpper());
}

void DataSet::setMaster(DataSet* master) {
    if (master_)
        std::erase(master_->details_, this);
    master_ = master;
    if (master_)
        master_->details_.push_back(this);
}

// --- opening and closing ---

void DataSet::open() {
    if (active())
        return;
    beforeOpen.run(*this);
    select_.setSql(selectSql_);
    bindParams(select_, false);
    select_.execute();
    rows_.clear();
    for (; !select_.eof(); select_.next())
        rows_.push_back(select_.row());
    bindFields(select_.columns());
    current_ = rows_.empty() ? -1 : 0;
    bof_ = true;
    eof_ = rows_.empty();
    modified_ = false;
    setState(State::Browse);
    emit rowsChanged();
    emit currentChanged();
    afterOpen.run(*this);
    if (!rows_.empty())
        afterScroll.run(*this);
    masterChanged();
}

void DataSet::bindFields(const std::vector<ColumnInfo>& columns) {
    for (auto& [name, f] : fieldsByName_)
        f->unbind();
    ordered_.clear();
    for (size_t i = 0; i < columns.size(); ++i) {
        ColumnInfo info = columns[i];
        for (int n = 1; fieldsByName_.count(info.name) && fieldsByName_[info.name]->bound(); ++n)
            info.name = columns[i].name + QStringLiteral("_%1").arg(n);
        auto& slot = fieldsByName_[info.name];
        if (!slot)
            slot = std::make_unique<Field>(*this, info.name);
        slot->bind(info, int(i));
        ordered_.push_back(slot.get());
    }
    for (auto& [name, f] : fieldsByName_) {
        if (!f->bound()) {
            const QString missing = name;
            rows_.clear();
            select_.close();
            throw Error(QStringLiteral("Campo '%1' no encontrado").arg(missing));
        }
    }
}

void DataSet::close() {
    if (!active())
        return;
    select_.close();
    rows_.clear();
    oldRow_.clear();
    current_ = -1;
    bof_ = eof_ = true;
    modified_ = false;
    setState(State::Inactive);
    rowsChangedHere();
}

// --- editing ---

void DataSet::insert() {
    checkActive();
    checkBrowseMode();
    addRow(std::max(current_, 0));
}

void DataSet::append() {
    checkActive();
    checkBrowseMode();
    addRow(recordCount());
}

void DataSet::addRow(int at) {
    abandoned_ = false;
    beforeInsert.run(*this);
    if (abandoned_)
        return;
    rows_.insert(rows_.begin() + at, QVector<QVariant>(int(ordered_.size())));
    oldRow_ = rows_[at];
    current_ = at;
    bof_ = eof_ = false;
    modified_ = false;
    setState(State::Insert);
    emit rowsChanged();
    emit currentChanged();
    onNewRecord.run(*this);
    masterChanged();
}

void DataSet::edit() {
    checkActive();
    if (editing())
        return;
    if (rows_.empty()) {
        insert();
        return;
    }
    oldRow_ = rows_[current_];
    modified_ = false;
    setState(State::Edit);
    afterEdit.run(*this);
}

void DataSet::post() {
    checkActive();
    if (!editing())
        return;
    refusal_.clear();
    emit aboutToPost();
    if (!refusal_.isEmpty())
        throw tributra::Error(refusal_);
    beforePost.run(*this);
    checkRequired();
    if (state_ == State::Insert)
        runWrite(insert_, insertSql_, "inserción");
    else
        runWrite(modify_, modifySql_, "modificación");
    oldRow_.clear();
    modified_ = false;
    setState(State::Browse);
    afterPost.run(*this);
    masterChanged();
}

void DataSet::checkRequired() const {
    for (const Field* f : ordered_)
        if (f->required() && f->isNull())
            throw Error(QStringLiteral("El campo '%1' debe tener un valor").arg(f->name()));
}

void DataSet::cancel() {
    if (!editing())
        return;
    if (state_ == State::Insert) {
        rows_.erase(rows_.begin() + current_);
        current_ = std::min(current_, recordCount() - 1);
    } else {
        rows_[current_] = oldRow_;
    }
    oldRow_.clear();
    modified_ = false;
    bof_ = eof_ = rows_.empty();
    setState(State::Browse);
    rowsChangedHere();
}

void DataSet::remove() {
    checkActive();
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    if (rows_.empty())
        throw Error(QStringLiteral("No hay ningún registro que borrar"));
    if (state_ == State::Edit)
        cancel();
    oldRow_ = rows_[current_];
    try {
        runWrite(delete_, deleteSql_, "borrado");
    } catch (...) {
        oldRow_.clear();
        throw;
    }
    rows_.erase(rows_.begin() + current_);
    oldRow_.clear();
    current_ = std::min(current_, recordCount() - 1);
    bof_ = eof_ = rows_.empty();
    modified_ = false;
    setState(State::Browse);
    emit rowsChanged();
    emit currentChanged();
    afterDelete.run(*this);
    if (!rows_.empty())
        afterScroll.run(*this);
    masterChanged();
}

void DataSet::refresh() {
    checkActive();
    checkBrowseMode();
    if (refreshSql_.isEmpty() || rows_.empty()) {
        reopenKeepingRow();
        return;
    }
    oldRow_ = rows_[current_];
    refresh_.setSql(refreshSql_);
    try {
        bindParams(refresh_, true);
        refresh_.execute();
    } catch (...) {
        oldRow_.clear();
        throw;
    }
    if (refresh_.eof()) {
        rows_.erase(rows_.begin() + current_);
        current_ = std::min(current_, recordCount() - 1);
        bof_ = eof_ = rows_.empty();
    } else {
        for (Field* f : ordered_) {
            const int column = refresh_.columnIndex(f->name());
            if (column >= 0)
                rows_[current_][f->index()] = refresh_.row()[column];
        }
    }
    refresh_.close();
    oldRow_.clear();
    rowsChangedHere();
}

void DataSet::reopenKeepingRow() {
    const int row = current_;
    close();
    open();
    if (row > 0)
        moveTo(row);
}

void DataSet::runWrite(Statement& statement, const QString& sql, const char* missing) {
    if (sql.trimmed().isEmpty())
        throw Error(QStringLiteral("No hay sentencia de %1 para este conjunto de datos")
                        .arg(QString::fromUtf8(missing)));
    statement.setSql(sql);
    bindParams(statement, true);
    statement.execute();
    statement.close();
}

// A write takes NAME from the field, OLD_NAME from the value before the edit, and what
// no field gives from the dataset's own parameters; a name that none of them has is
// an error, never a silent NULL.
void DataSet::bindParams(Statement& statement, bool fromFields) const {
    for (const QString& name : statement.paramNames()) {
        if (!fromFields) {
            const Field* m = master_ ? master_->findField(name) : nullptr;
            statement.setParam(name, m ? m->variant() : params_.value(name));
            continue;
        }
        if (const Field* f = findField(name)) {
            statement.setParam(name, f->variant());
        } else if (name.startsWith(kOldPrefix) && findField(name.mid(kOldPrefix.size()))) {
            statement.setParam(name, findField(name.mid(kOldPrefix.size()))->oldValue().variant());
        } else if (params_.contains(name)) {
            statement.setParam(name, params_.value(name));
        } else {
            throw Error(
                QStringLiteral("El parámetro '%1' no corresponde a ningún campo").arg(name));
        }
    }
}

// --- moving ---

void DataSet::first() {
    checkActive();
    checkBrowseMode();
    current_ = rows_.empty() ? -1 : 0;
    bof_ = true;
    eof_ = rows_.empty();
    scrolled();
}

void DataSet::last() {
    checkActive();
    checkBrowseMode();
    current_ = recordCount() - 1;
    eof_ = true;
    bof_ = rows_.empty();
    scrolled();
}

void DataSet::next() {
    checkActive();
    checkBrowseMode();
    if (current_ + 1 >= recordCount()) {
        eof_ = true;
        return;
    }
    ++current_;
    bof_ = eof_ = false;
    scrolled();
}

void DataSet::prior() {
    checkActive();
    checkBrowseMode();
    if (current_ <= 0) {
        bof_ = true;
        return;
    }
    --current_;
    bof_ = eof_ = false;
    scrolled();
}

void DataSet::moveTo(int row) {
    checkActive();
    checkBrowseMode();
    if (rows_.empty())
        return;
    current_ = std::clamp(row, 0, recordCount() - 1);
    bof_ = eof_ = false;
    scrolled();
}

bool DataSet::locate(const QString& fields, const QVariantList& values, LocateOptions options) {
    checkActive();
    checkBrowseMode();
    std::vector<int> columns;
    for (const QString& name : fields.split(u';', Qt::SkipEmptyParts))
        columns.push_back(field(name.trimmed()).index());
    if (columns.size() != size_t(values.size()))
        throw Error(QStringLiteral("Locate: %1 campos y %2 valores")
                        .arg(columns.size())
                        .arg(values.size()));
    for (int row = 0; row < recordCount(); ++row) {
        bool all = true;
        for (size_t k = 0; k < columns.size() && all; ++k)
            all = matches(rows_[row][columns[k]], values[int(k)], options);
        if (all) {
            current_ = row;
            bof_ = eof_ = false;
            scrolled();
            return true;
        }
    }
    return false;
}

void DataSet::scrolled() {
    emit currentChanged();
    if (current_ >= 0)
        afterScroll.run(*this);
    masterChanged();
}

// --- fields ---

Field& DataSet::field(const QString& name) {
    const QString upper = name.toUpper();
    if (Field* f = findField(upper))
        return *f;
    if (active())
        throw Error(QStringLiteral("Campo '%1' no encontrado").arg(name));
    auto& slot = fieldsByName_[upper];
    slot = std::make_unique<Field>(*this, upper);
    return *slot;
}

Field* DataSet::findField(const QString& name) const {
    const auto it = fieldsByName_.find(name.toUpper());
    return it == fieldsByName_.end() ? nullptr : it->second.get();
}

QVariant DataSet::valueAt(int row, int column) const {
    if (row < 0 || row >= recordCount() || column < 0 || column >= int(ordered_.size()))
        return {};
    return rows_[row][column];
}

QString DataSet::displayText(int row, int column) const {
    if (row < 0 || row >= recordCount() || column < 0 || column >= int(ordered_.size()))
        return {};
    // The field and its hook read "the current row": for this call, that row.
    const QScopedValueRollback<int> shown(shownRow_, row);
    return ordered_[column]->text();
}

QVariant DataSet::currentValue(int column) const {
    return valueAt(shownRow_ >= 0 ? shownRow_ : current_, column);
}

// While a row is edited (or about to be deleted or refreshed) the row as it was read;
// otherwise the current values.
QVariant DataSet::oldValue(int column) const {
    if (oldRow_.isEmpty())
        return currentValue(column);
    return column >= 0 && column < oldRow_.size() ? oldRow_[column] : QVariant();
}

void DataSet::onFieldChange(const QStringList& names, const FieldHook& hook) {
    for (const QString& n : names)
        changeHooks_[n.toUpper()].push_back(hook);
}

void DataSet::onFieldValidate(const QStringList& names, const FieldHook& hook) {
    for (const QString& n : names)
        validateHooks_[n.toUpper()].push_back(hook);
}

// The validate hooks see the new value and refuse it by throwing: the old one is
// back before the error leaves. The change hooks run after the value is stored.
void DataSet::setFieldValue(Field& field, const QVariant& value) {
    if (!editing())
        throw Error(QStringLiteral("El conjunto de datos no está en modo de edición o inserción"));
    if (field.readOnly())
        throw Error(QStringLiteral("El campo '%1' no se puede modificar").arg(field.name()));
    QVariant& slot = rows_[current_][field.index()];
    const QVariant previous = slot;
    slot = value;
    if (const auto it = validateHooks_.find(field.name()); it != validateHooks_.end()) {
        try {
            for (const FieldHook& hook : it->second)
                hook(field);
        } catch (...) {
            rows_[current_][field.index()] = previous;
            throw;
        }
    }
    modified_ = true;
    emit fieldChanged(&field);
    if (!field.changeEventsEnabled())
        return;
    if (const auto it = changeHooks_.find(field.name()); it != changeHooks_.end())
        for (const FieldHook& hook : it->second)
            hook(field);
}

// --- helpers ---

void DataSet::checkActive() const {
    if (!active())
        throw Error(
            QStringLiteral("No se puede realizar esta operación con el conjunto de datos cerrado"));
}

// Leaving a row that is being edited posts it when it changed and drops it otherwise.
void DataSet::checkBrowseMode() {
    if (!editing())
        return;
    if (modified_)
        post();
    else
        cancel();
}

void DataSet::setState(State state) {
    if (state_ == state)
        return;
    state_ = state;
    emit stateChanged();
}

// The rows or the current row changed: observers and details follow.
void DataSet::rowsChangedHere() {
    emit rowsChanged();
    emit currentChanged();
    masterChanged();
}

void DataSet::masterChanged() {
    for (DataSet* d : std::vector<DataSet*>(details_)) {
        if (!d->active())
            continue;
        d->close();
        d->open();
    }
}

} // namespace db

#pragma once

#include "db/FieldType.h"
#include "db/Value.h"

#include <QString>
#include <QVariant>

#include <functional>

namespace db {

class DataSet;

// One column of a dataset's current row. Reading works in every state; writing only
// while the dataset edits or inserts, through the dataset's validate and change hooks.
class Field {
public:
    using GetText = std::function<QString(const Field&, bool displayText)>;

    Field(DataSet& dataSet, const QString& name);

    const QString& name() const { return name_; }
    FieldType type() const { return info_.type; }
    int size() const { return info_.size; }
    int index() const { return index_; }
    DataSet& dataSet() const { return *dataSet_; }

    bool required() const { return required_; }
    void setRequired(bool required) { required_ = required; }
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    const QString& displayFormat() const { return displayFormat_; }
    void setDisplayFormat(const QString& format) { displayFormat_ = format; }
    const QString& editFormat() const { return editFormat_; }
    void setEditFormat(const QString& format) { editFormat_ = format; }
    void setGetText(GetText hook) { getText_ = std::move(hook); }

    Value value() const;
    QVariant variant() const { return value().variant(); }
    // The value when editing began: what OLD_ parameters send.
    Value oldValue() const;
    bool isNull() const { return value().isNull(); }
    QString asString() const { return value().asString(); }
    int asInteger() const { return value().asInteger(); }
    double asFloat() const { return value().asFloat(); }
    bool asBoolean() const { return value().asBoolean(); }
    QDate asDate() const { return value().asDate(); }
    QDateTime asDateTime() const { return value().asDateTime(); }
    QByteArray asBytes() const { return value().asBytes(); }

    // A text longer than the field is cut to its size; an empty text clears a field
    // that is not a text; a text that does not read as the field's type is refused.
    void setValue(const QVariant& value);
    void setAsString(const QString& text);
    void setAsInteger(int n) { setValue(n); }
    void setAsFloat(double d) { setValue(d); }
    void setAsBoolean(bool b) { setValue(b); }
    void setAsDate(const QDate& d) { setValue(d); }
    void setAsDateTime(const QDateTime& dt) { setValue(dt); }
    void setAsBytes(const QByteArray& bytes) { setValue(bytes); }
    void clear() { setValue(QVariant()); }

    // What a control shows: the get-text hook, else the display format when shown
    // and the edit format (falling back to the display format) while edited.
    QString text() const { return formatted(true); }
    QString editText() const { return formatted(false); }

    bool changeEventsEnabled() const { return changeEventsOff_ == 0; }
    void disableChangeEvents() { ++changeEventsOff_; }
    void enableChangeEvents() { --changeEventsOff_; }

    // The dataset binds the field to a column of its result on every open.
    void bind(const ColumnInfo& info, int index);
    void unbind() { index_ = -1; }
    bool bound() const { return index_ >= 0; }

private:
    QVariant converted(const QVariant& v) const;
    QString formatted(bool displayText) const;

    DataSet* dataSet_;
    QString name_;
    ColumnInfo info_;
    int index_ = -1;
    bool required_ = false;
    bool readOnly_ = false;
    QString displayFormat_;
    QString editFormat_;
    GetText getText_;
    int changeEventsOff_ = 0;
};

} // namespace db

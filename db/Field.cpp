#include "db/Field.h"

#include "db/DataSet.h"
#include "db/Error.h"
#include "util/NumberFormat.h"

#include <QTime>

namespace db {

Field::Field(DataSet& dataSet, const QString& name) : dataSet_(&dataSet), name_(name.toUpper()) {}

void Field::bind(const ColumnInfo& info, int index) {
    info_ = info;
    index_ = index;
    required_ = required_ || info.required;
}

Value Field::value() const {
    return Value(dataSet_->currentValue(index_));
}

Value Field::oldValue() const {
    return Value(dataSet_->oldValue(index_));
}

void Field::setValue(const QVariant& value) {
    dataSet_->setFieldValue(*this, converted(value));
}

void Field::setAsString(const QString& text) {
    const bool isText = type() == FieldType::Text || type() == FieldType::Memo;
    setValue(text.isEmpty() && !isText ? QVariant() : QVariant(text));
}

QVariant Field::converted(const QVariant& v) const {
    const Value value(v);
    if (value.isNull())
        return {};
    switch (type()) {
    case FieldType::SmallInt: {
        const int n = value.asInteger();
        if (n < -32768 || n > 32767)
            throw tributra::ConversionError(
                QStringLiteral("%1 está fuera del rango del campo '%2'").arg(n).arg(name_));
        return n;
    }
    case FieldType::Integer:
        return value.asInteger();
    case FieldType::BigInt:
        return qlonglong(value.asLargeInt());
    case FieldType::Float:
        return value.asFloat();
    case FieldType::Text:
        return value.asString().left(size());
    case FieldType::Memo:
        return value.asString();
    case FieldType::DateTime:
        return value.asDateTime();
    case FieldType::Date:
        return value.asDate();
    case FieldType::Time:
        return v.toTime();
    case FieldType::Blob:
        return value.asBytes();
    case FieldType::Boolean:
        return value.asBoolean();
    case FieldType::Unknown:
        break;
    }
    return v;
}

QString Field::formatted(bool displayText) const {
    if (getText_)
        return getText_(*this, displayText);
    const Value v = value();
    if (v.isNull())
        return {};
    const QString& format = displayText || editFormat_.isEmpty() ? displayFormat_ : editFormat_;
    switch (type()) {
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::BigInt:
    case FieldType::Float:
        if (!format.isEmpty())
            return util::formatFloat(format, v.asFloat());
        break;
    default:
        break;
    }
    return v.asString();
}

} // namespace db

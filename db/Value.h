#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

namespace db {

// One value read from the database, with the conversions callers ask for. An invalid
// QVariant is SQL NULL: it reads as 0, an empty text or an invalid date.
class Value {
public:
    Value() = default;
    explicit Value(QVariant v) : v_(std::move(v)) {}

    bool isNull() const { return !v_.isValid() || v_.isNull(); }
    const QVariant& variant() const { return v_; }

    QString asString() const;
    int asInteger() const;
    qint64 asLargeInt() const;
    double asFloat() const;
    bool asBoolean() const;
    QDate asDate() const;
    QDateTime asDateTime() const;
    QByteArray asBytes() const;

private:
    QVariant v_;
};

} // namespace db

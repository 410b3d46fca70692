#include "db/Value.h"

#include "util/DateFormat.h"
#include "util/Error.h"
#include "util/NumberFormat.h"
#include "util/Win1252.h"

#include <cmath>
#include <limits>

namespace db {
namespace {

bool isText(const QVariant& v) {
    return v.typeId() == QMetaType::QString;
}

bool isFloating(const QVariant& v) {
    return v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float;
}

tributra::ConversionError notInteger(const QString& text) {
    return tributra::ConversionError(QStringLiteral("'%1' no es un valor entero válido").arg(text));
}

} // namespace

QString Value::asString() const {
    if (isNull())
        return {};
    switch (v_.typeId()) {
    case QMetaType::QString:
        return v_.toString();
    case QMetaType::Double:
    case QMetaType::Float:
        return util::formatGeneral(v_.toDouble());
    case QMetaType::QDateTime: {
        const QDateTime dt = v_.toDateTime();
        const QString date = util::formatDate(dt.date());
        return dt.time() == QTime(0, 0) ? date
                                        : date + dt.time().toString(QStringLiteral(" HH:mm:ss"));
    }
    case QMetaType::QDate:
        return util::formatDate(v_.toDate());
    case QMetaType::QTime:
        return v_.toTime().toString(QStringLiteral("HH:mm:ss"));
    case QMetaType::QByteArray:
        return util::fromWin1252(v_.toByteArray());
    case QMetaType::Bool:
        return v_.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return v_.toString();
    }
}

qint64 Value::asLargeInt() const {
    if (isNull())
        return 0;
    if (isFloating(v_))
        return std::llround(v_.toDouble());
    if (isText(v_)) {
        bool ok = false;
        const qint64 n = v_.toString().trimmed().toLongLong(&ok);
        if (!ok)
            throw notInteger(v_.toString());
        return n;
    }
    return v_.toLongLong();
}

int Value::asInteger() const {
    const qint64 n = asLargeInt();
    if (n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max())
        throw notInteger(asString());
    return static_cast<int>(n);
}

double Value::asFloat() const {
    if (isNull())
        return 0;
    if (isText(v_))
        return util::parseFloat(v_.toString());
    return v_.toDouble();
}

bool Value::asBoolean() const {
    if (isNull())
        return false;
    if (isText(v_))
        return v_.toString().compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0;
    return v_.toDouble() != 0;
}

QDate Value::asDate() const {
    return asDateTime().date();
}

QDateTime Value::asDateTime() const {
    if (isNull())
        return {};
    switch (v_.typeId()) {
    case QMetaType::QDateTime:
        return v_.toDateTime();
    case QMetaType::QDate:
        return v_.toDate().startOfDay(Qt::UTC);
    case QMetaType::QString:
        return util::parseDate(v_.toString()).startOfDay(Qt::UTC);
    default:
        throw tributra::ConversionError(
            QStringLiteral("'%1' no es una fecha válida").arg(asString()));
    }
}

QByteArray Value::asBytes() const {
    if (isNull())
        return {};
    if (v_.typeId() == QMetaType::QByteArray)
        return v_.toByteArray();
    return util::toWin1252(asString());
}

} // namespace db

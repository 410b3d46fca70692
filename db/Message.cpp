#include "db/Message.h"

#include "db/Client.h"
#include "db/Error.h"
#include "util/Win1252.h"

#include <QDateTime>
#include <ibase.h>

#include <cmath>
#include <cstring>

namespace db::message {
namespace {

using Firebird::IAttachment;
using Firebird::IMessageMetadata;
using Firebird::ITransaction;

constexpr unsigned kCharsetWin1252 = 53;
constexpr qint64 kJulianDayOfTimestampEpoch = 2400001; // 17 November 1858
constexpr qint64 kTimeUnitsPerMs = 10;                 // the engine counts 1/10000 s

int bytesPerChar(unsigned charset) {
    switch (charset) {
    case 3: // UNICODE_FSS
        return 3;
    case 4: // UTF8
        return 4;
    default:
        return 1;
    }
}

double scaled(qint64 n, int scale) {
    return scale < 0 ? double(n) / std::pow(10.0, -scale) : double(n);
}

template <class T> T load(const unsigned char* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

template <class T> void store(unsigned char* p, T v) {
    std::memcpy(p, &v, sizeof v);
}

QDate toDate(ISC_DATE d) {
    return QDate::fromJulianDay(kJulianDayOfTimestampEpoch + d);
}

QTime toTime(ISC_TIME t) {
    return QTime::fromMSecsSinceStartOfDay(int(t / kTimeUnitsPerMs));
}

ISC_DATE fromDate(const QDate& d) {
    return ISC_DATE(d.toJulianDay() - kJulianDayOfTimestampEpoch);
}

ISC_TIME fromTime(const QTime& t) {
    return ISC_TIME(t.msecsSinceStartOfDay() * kTimeUnitsPerMs);
}

QByteArray readBlob(ISC_QUAD id, IAttachment* att, ITransaction* tra) {
    return client::call([&](client::Status* st) {
        QByteArray bytes;
        auto* blob = att->openBlob(st, tra, &id, 0, nullptr);
        char chunk[16384];
        for (;;) {
            unsigned got = 0;
            const int r = blob->getSegment(st, sizeof chunk, chunk, &got);
            if (r == Firebird::IStatus::RESULT_NO_DATA)
                break;
            bytes.append(chunk, got);
        }
        blob->close(st);
        return bytes;
    });
}

ISC_QUAD writeBlob(const QByteArray& bytes, IAttachment* att, ITransaction* tra) {
    return client::call([&](client::Status* st) {
        ISC_QUAD id{};
        auto* blob = att->createBlob(st, tra, &id, 0, nullptr);
        constexpr qsizetype kSegment = 32768;
        for (qsizetype at = 0; at < bytes.size(); at += kSegment)
            blob->putSegment(st, unsigned(std::min(kSegment, bytes.size() - at)),
                             bytes.constData() + at);
        blob->close(st);
        return id;
    });
}

FieldType fieldType(unsigned sqlType, int scale, int subType) {
    switch (sqlType) {
    case SQL_SHORT:
        return scale < 0 ? FieldType::Float : FieldType::SmallInt;
    case SQL_LONG:
        return scale < 0 ? FieldType::Float : FieldType::Integer;
    case SQL_INT64:
        return scale < 0 ? FieldType::Float : FieldType::BigInt;
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return FieldType::Float;
    case SQL_TEXT:
    case SQL_VARYING:
        return FieldType::Text;
    case SQL_TIMESTAMP:
        return FieldType::DateTime;
    case SQL_TYPE_DATE:
        return FieldType::Date;
    case SQL_TYPE_TIME:
        return FieldType::Time;
    case SQL_BLOB:
        return subType == 1 ? FieldType::Memo : FieldType::Blob;
    case SQL_BOOLEAN:
        return FieldType::Boolean;
    default:
        return FieldType::Unknown;
    }
}

QString trimRight(QString s) {
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == u' ')
        --n;
    s.truncate(n);
    return s;
}

QVariant decodeValue(unsigned type, int scale, int subType, unsigned length, const unsigned char* p,
                     IAttachment* att, ITransaction* tra) {
    switch (type) {
    case SQL_TEXT:
        return trimRight(util::fromWin1252(QByteArray(reinterpret_cast<const char*>(p), length)));
    case SQL_VARYING: {
        const auto n = load<ISC_USHORT>(p);
        return util::fromWin1252(QByteArray(reinterpret_cast<const char*>(p) + 2, n));
    }
    case SQL_SHORT:
        return scale < 0 ? QVariant(scaled(load<ISC_SHORT>(p), scale))
                         : QVariant(int(load<ISC_SHORT>(p)));
    case SQL_LONG:
        return scale < 0 ? QVariant(scaled(load<ISC_LONG>(p), scale))
                         : QVariant(int(load<ISC_LONG>(p)));
    case SQL_INT64:
        return scale < 0 ? QVariant(scaled(load<ISC_INT64>(p), scale))
                         : QVariant(qlonglong(load<ISC_INT64>(p)));
    case SQL_FLOAT:
        return double(load<float>(p));
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return load<double>(p);
    case SQL_TIMESTAMP: {
        const auto ts = load<ISC_TIMESTAMP>(p);
        return QDateTime(toDate(ts.timestamp_date), toTime(ts.timestamp_time), Qt::UTC);
    }
    case SQL_TYPE_DATE:
        return toDate(load<ISC_DATE>(p));
    case SQL_TYPE_TIME:
        return toTime(load<ISC_TIME>(p));
    case SQL_BLOB: {
        const QByteArray bytes = readBlob(load<ISC_QUAD>(p), att, tra);
        return subType == 1 ? QVariant(util::fromWin1252(bytes)) : QVariant(bytes);
    }
    case SQL_BOOLEAN:
        return bool(*p);
    default:
        throw Error(QStringLiteral("Tipo de columna no soportado: %1").arg(type));
    }
}

// The type a value travels in; 0 when it keeps the parameter's own.
unsigned travelType(const QVariant& v, unsigned described) {
    if (!v.isValid() || v.isNull() || described == SQL_BLOB)
        return 0;
    switch (v.typeId()) {
    case QMetaType::Bool:
        return described == SQL_BOOLEAN ? 0 : SQL_INT64;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Short:
        return SQL_INT64;
    case QMetaType::Double:
    case QMetaType::Float:
        return SQL_DOUBLE;
    case QMetaType::QDate:
    case QMetaType::QDateTime:
        return SQL_TIMESTAMP;
    case QMetaType::QTime:
        return SQL_TYPE_TIME;
    default:
        return SQL_VARYING;
    }
}

QByteArray bytesOf(const QVariant& v) {
    return v.typeId() == QMetaType::QByteArray ? v.toByteArray() : util::toWin1252(v.toString());
}

QDateTime timestampOf(const QVariant& v) {
    return v.typeId() == QMetaType::QDate ? v.toDate().startOfDay(Qt::UTC) : v.toDateTime();
}

} // namespace

OutputLayout::OutputLayout(IMessageMetadata* meta) {
    client::call([&](client::Status* st) {
        const unsigned n = meta->getCount(st);
        for (unsigned i = 0; i < n; ++i) {
            const Slot slot{meta->getType(st, i),    meta->getScale(st, i),
                            meta->getSubType(st, i), meta->getLength(st, i),
                            meta->getOffset(st, i),  meta->getNullOffset(st, i)};
            ColumnInfo c;
            c.name = QString::fromLatin1(meta->getAlias(st, i)).toUpper();
            c.scale = slot.scale;
            c.type = fieldType(slot.type, slot.scale, slot.subType);
            if (c.type == FieldType::Text) {
                c.size = int(slot.length) / bytesPerChar(meta->getCharSet(st, i));
                c.fixedChar = slot.type == SQL_TEXT;
            }
            c.required = !meta->isNullable(st, i);
            columns_.push_back(c);
            slots_.push_back(slot);
        }
        length_ = meta->getMessageLength(st);
    });
}

QVector<QVariant> OutputLayout::decode(const unsigned char* buffer, IAttachment* att,
                                       ITransaction* tra) const {
    QVector<QVariant> row(qsizetype(slots_.size()));
    for (size_t i = 0; i < slots_.size(); ++i) {
        const Slot& s = slots_[i];
        if (load<ISC_SHORT>(buffer + s.nullOffset))
            continue;
        row[qsizetype(i)] =
            decodeValue(s.type, s.scale, s.subType, s.length, buffer + s.offset, att, tra);
    }
    return row;
}

Input::Input(IMessageMetadata* described, const QVector<QVariant>& values, IAttachment* att,
             ITransaction* tra) {
    client::call([&](client::Status* st) {
        auto* builder = described->getBuilder(st);
        for (unsigned i = 0; i < unsigned(values.size()); ++i) {
            const QVariant& v = values[i];
            const unsigned type = travelType(v, described->getType(st, i));
            if (!type)
                continue;
            builder->setType(st, i, type);
            builder->setScale(st, i, 0);
            if (type == SQL_VARYING) {
                builder->setCharSet(st, i, kCharsetWin1252);
                builder->setLength(st, i, unsigned(std::max<qsizetype>(1, bytesOf(v).size())));
            } else {
                builder->setLength(st, i, type == SQL_TYPE_TIME ? 4 : 8);
            }
        }
        meta_ = builder->getMetadata(st);
        builder->release();
        buffer_.assign(meta_->getMessageLength(st), 0);
        for (unsigned i = 0; i < unsigned(values.size()); ++i) {
            const QVariant& v = values[i];
            unsigned char* p = buffer_.data() + meta_->getOffset(st, i);
            const bool null = !v.isValid() || v.isNull();
            store<ISC_SHORT>(buffer_.data() + meta_->getNullOffset(st, i), null ? -1 : 0);
            if (null)
                continue;
            switch (meta_->getType(st, i)) {
            case SQL_VARYING: {
                const QByteArray b = bytesOf(v);
                store<ISC_USHORT>(p, ISC_USHORT(b.size()));
                std::memcpy(p + 2, b.constData(), size_t(b.size()));
                break;
            }
            case SQL_INT64:
                store<ISC_INT64>(p, v.toLongLong());
                break;
            case SQL_DOUBLE:
                store<double>(p, v.toDouble());
                break;
            case SQL_TIMESTAMP: {
                const QDateTime dt = timestampOf(v);
                store<ISC_TIMESTAMP>(p, ISC_TIMESTAMP{fromDate(dt.date()), fromTime(dt.time())});
                break;
            }
            case SQL_TYPE_TIME:
                store<ISC_TIME>(p, fromTime(v.toTime()));
                break;
            case SQL_BLOB:
                store<ISC_QUAD>(p, writeBlob(bytesOf(v), att, tra));
                break;
            case SQL_BOOLEAN:
                *p = v.toBool() ? 1 : 0;
                break;
            default:
                throw Error(QStringLiteral("Tipo de parámetro no soportado: %1")
                                .arg(meta_->getType(st, i)));
            }
        }
    });
}

Input::~Input() {
    if (meta_)
        meta_->release();
}

} // namespace db::message

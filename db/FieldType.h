#pragma once

#include <QString>

namespace db {

// The column types a dialect 1 database hands out. DATE columns arrive as DateTime;
// NUMERIC(15,2) as Float.
enum class FieldType {
    Unknown,
    SmallInt,
    Integer,
    BigInt,
    Float,
    Text,
    DateTime,
    Date,
    Time,
    Memo,
    Blob,
    Boolean
};

// What the engine tells about one column or parameter.
struct ColumnInfo {
    QString name;
    FieldType type = FieldType::Unknown;
    int size = 0; // characters of a text, 0 for the rest
    int scale = 0;
    bool fixedChar = false; // CHAR: the engine pads it with blanks
    bool required = false;
};

} // namespace db

#pragma once

#include <QByteArray>
#include <QString>

#include <ostream>

// Readable failure messages: GoogleTest finds these by argument-dependent lookup.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* out) {
    *out << '"' << bytes.toPercentEncoding(" =[];:\\/\"'").toStdString() << '"';
}

#include "returns/LayoutWriter.h"

#include "db/Value.h"
#include "util/Cents.h"
#include "util/UUtiles.h"

namespace {

QString where(const QString& model, const layout::Table& table, const layout::Row& row) {
    QString text = QStringLiteral("Modelo %1, %2, posición %3")
                       .arg(model, QString::fromUtf8(table.name))
                       .arg(row.position);
    if (*row.box)
        text += QStringLiteral(", casilla ") + QString::fromUtf8(row.box);
    return text;
}

} // namespace

LayoutWriter::LayoutWriter(QString model, Fields fields, Rules rules)
    : model_(std::move(model)), fields_(std::move(fields)), rules_(std::move(rules)) {}

QString LayoutWriter::write(const layout::Table& table) const {
    QString text;
    text.reserve(table.length);
    for (const layout::Row& row : table.rows) {
        const int next = int(text.size()) + 1;
        if (row.position != next)
            throw LayoutError(where(model_, table, row) +
                                  QStringLiteral(": la fila debería empezar en la posición %1")
                                      .arg(next));
        if (row.position + row.length - 1 > table.length)
            throw LayoutError(where(model_, table, row) +
                                  QStringLiteral(": la fila pasa del final, posición %1")
                                      .arg(table.length));
        const QString c = content(row);
        if (c.size() != row.length)
            throw LayoutError(where(model_, table, row) +
                                  QStringLiteral(": «%1» ocupa %2 posiciones y el campo %3")
                                      .arg(c)
                                      .arg(c.size())
                                      .arg(row.length));
        text += c;
    }
    return text;
}

QString LayoutWriter::nif(const QString& nif, int ancho) {
    const QString trimmed = nif.trimmed();
    return trimmed.isEmpty() ? UUtiles::Espacios(ancho) : UUtiles::CerosIzquierda(trimmed, ancho);
}

QString LayoutWriter::content(const layout::Row& row) const {
    using layout::Kind;
    const QString source = QString::fromUtf8(row.source);
    switch (row.kind) {
    case Kind::Const:
        return source;
    case Kind::Text: {
        // A record is one line: a line break typed in a note is a blank there.
        QString text = fields_(source).asString();
        for (QChar& c : text)
            if (c.category() == QChar::Other_Control)
                c = u' ';
        return UUtiles::RellenaDerecha(text, row.length);
    }
    case Kind::Count:
        return UUtiles::CerosIzquierda(fields_(source).asString().trimmed(), row.length);
    case Kind::Amount:
        return UUtiles::ImporteN(row.length, fields_(source).asFloat());
    case Kind::Percent:
        // A rate applied to nothing is not declared.
        if (*row.base && util::cents(fields_(QString::fromUtf8(row.base)).asFloat()) == 0)
            return UUtiles::RepiteCaracter(row.length, u'0');
        return UUtiles::ImporteN(row.length, fields_(source).asFloat());
    case Kind::Date:
    case Kind::DateDMY: {
        const db::Value date = fields_(source);
        if (date.isNull())
            return UUtiles::Espacios(row.length);
        return row.kind == Kind::Date ? UUtiles::FechaAAAAMMDD(date.asDate())
                                      : UUtiles::FechaDDMMAAAA(date.asDate());
    }
    case Kind::Blanks:
        return UUtiles::Espacios(row.length);
    case Kind::Zeros:
        return UUtiles::RepiteCaracter(row.length, u'0');
    case Kind::Mark:
        return fields_(source).asInteger() == 1 ? QStringLiteral("X") : QStringLiteral(" ");
    case Kind::Nif:
        return nif(fields_(source).asString(), row.length);
    case Kind::Rule:
        return rules_(source);
    }
    return {};
}

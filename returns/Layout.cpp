#include "returns/Layout.h"

#include "db/Field.h"
#include "util/Error.h"
#include "util/UUtiles.h"

Layout& Layout::put(int position, int width, const QString& content) {
    if (position != next_ || position + width - 1 > length_)
        throw tributra::Error(
            QStringLiteral("Diseño de registro erróneo en la posición %1").arg(position));
    text_ += content;
    next_ += width;
    return *this;
}

Layout& Layout::blanks(int position, int width) {
    return put(position, width, UUtiles::Espacios(width));
}

Layout& Layout::text(int position, int width, const QString& value) {
    return put(position, width, UUtiles::RellenaDerecha(value, width));
}

Layout& Layout::text(int position, int width, const db::Field& field) {
    return text(position, width, field.asString());
}

Layout& Layout::count(int position, int width, const db::Field& field) {
    return put(position, width, UUtiles::CerosIzquierda(field.asString(), width));
}

Layout& Layout::amount(int position, int width, double euros) {
    return put(position, width, UUtiles::ImporteN(width, euros));
}

Layout& Layout::amount(int position, int width, const db::Field& field) {
    return amount(position, width, field.asFloat());
}

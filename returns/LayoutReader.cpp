#include "returns/LayoutReader.h"

#include "util/DateFormat.h"
#include "util/NumberFormat.h"

#include <QDate>

namespace {

bool allDigits(QStringView s) {
    return !s.isEmpty() && std::all_of(s.begin(), s.end(), [](QChar c) { return c.isDigit(); });
}

bool allOf(QStringView s, QChar c) {
    return std::all_of(s.begin(), s.end(), [c](QChar x) { return x == c; });
}

// What ImporteN writes: digits, after "N" below zero or a blank sign position.
void readAmount(LayoutField& f, const QString& unit) {
    QStringView digits = f.content;
    const bool negative = digits.startsWith(u'N');
    if (negative || digits.startsWith(u' '))
        digits = digits.mid(1);
    if (!allDigits(digits)) {
        f.fault = QStringLiteral("no es un importe");
        return;
    }
    const double euros = digits.toLongLong() / 100.0;
    f.value = util::formatFloat(QStringLiteral("#,###,###,##0.00"), negative ? -euros : euros) + unit;
}

void read(LayoutField& f) {
    using layout::Kind;
    const QString expected = QString::fromUtf8(f.row->source);
    switch (f.row->kind) {
    case Kind::Const:
        if (f.content != expected)
            f.fault = QStringLiteral("se esperaba «%1»").arg(expected);
        break;
    case Kind::Text:
    case Kind::Nif:
    case Kind::Rule:
        f.value = f.content.trimmed();
        break;
    case Kind::Count:
        if (allDigits(f.content))
            f.value = QString::number(f.content.toLongLong());
        else
            f.fault = QStringLiteral("no es un número");
        break;
    case Kind::Amount:
        readAmount(f, QStringLiteral(" €"));
        break;
    case Kind::Percent:
        readAmount(f, QStringLiteral(" %"));
        break;
    case Kind::Date:
    case Kind::DateDMY:
        if (allOf(f.content, u' '))
            break;
        if (const QDate d = QDate::fromString(f.content, f.row->kind == Kind::Date
                                                             ? QStringLiteral("yyyyMMdd")
                                                             : QStringLiteral("ddMMyyyy"));
            d.isValid())
            f.value = util::formatDate(d);
        else
            f.fault = QStringLiteral("no es una fecha");
        break;
    case Kind::Blanks:
        if (!allOf(f.content, u' '))
            f.fault = QStringLiteral("debería estar en blanco");
        break;
    case Kind::Zeros:
        if (!allOf(f.content, u'0'))
            f.fault = QStringLiteral("deberían ser ceros");
        break;
    case Kind::Mark:
        if (f.content == u"X")
            f.value = QStringLiteral("sí");
        else if (f.content == u" ")
            f.value = QStringLiteral("no");
        else
            f.fault = QStringLiteral("se esperaba «X» o un blanco");
        break;
    }
}

} // namespace

std::vector<LayoutField> readLayout(const layout::Table& table, QStringView text) {
    std::vector<LayoutField> fields;
    for (const layout::Row& row : table.rows) {
        if (row.position > text.size())
            break;
        LayoutField f{&row, text.mid(row.position - 1, row.length).toString(), {}, {}};
        if (f.content.size() < row.length)
            f.fault = QStringLiteral("el texto acaba en la posición %1").arg(text.size());
        else
            read(f);
        fields.push_back(std::move(f));
    }
    return fields;
}

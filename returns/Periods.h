#pragma once

#include <QDate>
#include <QString>

#include <optional>
#include <span>
#include <utility>

// The periods a return is filed for, as its period box lists them: the code stored and
// the caption shown, the code of none chosen ("00", "0") first where the box has one.
namespace periods {

struct Period {
    const char* code;
    const char* caption;
};

extern const std::span<const Period> kTrimestres;
extern const std::span<const Period> kTrimestresYMeses;
extern const std::span<const Period> kTrimestresMesesYAnual; // and "0A", the year
extern const std::span<const Period> kTrimestresNumero;      // "1".."4"
extern const std::span<const Period> kPagosSociedades;       // the corporate instalments "1".."3"

// The first and last day of a quarter ("1T" to "4T"), a month ("01" to "12") or the whole
// year ("0A") of `year`; nothing for any other code.
std::optional<std::pair<QDate, QDate>> dates(const QString& code, int year);

} // namespace periods

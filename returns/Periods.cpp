#include "returns/Periods.h"

namespace periods {
namespace {

const Period kQuarters[] = {
    {"00", "Seleccione un período"}, {"1T", "1T- primer trimestre"},
    {"2T", "2T- segundo trimestre"}, {"3T", "3T- tercer trimestre"},
    {"4T", "4T- cuarto trimestre"},
};

const Period kQuartersAndMonths[] = {
    {"00", "Seleccione un período"},
    {"1T", "1T- primer trimestre"},
    {"2T", "2T- segundo trimestre"},
    {"3T", "3T- tercer trimestre"},
    {"4T", "4T- cuarto trimestre"},
    {"01", "01- Enero"},
    {"02", "02- Febrero"},
    {"03", "03- Marzo"},
    {"04", "04- Abril"},
    {"05", "05- Mayo"},
    {"06", "06- Junio"},
    {"07", "07- Julio"},
    {"08", "08- Agosto"},
    {"09", "09- Septiembre"},
    {"10", "10- Octubre"},
    {"11", "11- Noviembre"},
    {"12", "12- Diciembre"},
};

// The intra-community statement is also filed for the whole year.
const Period kQuartersMonthsAndYear[] = {
    {"00", "Seleccione un período"},
    {"1T", "1T- primer trimestre"},
    {"2T", "2T- segundo trimestre"},
    {"3T", "3T- tercer trimestre"},
    {"4T", "4T- cuarto trimestre"},
    {"01", "01- Enero"},
    {"02", "02- Febrero"},
    {"03", "03- Marzo"},
    {"04", "04- Abril"},
    {"05", "05- Mayo"},
    {"06", "06- Junio"},
    {"07", "07- Julio"},
    {"08", "08- Agosto"},
    {"09", "09- Septiembre"},
    {"10", "10- Octubre"},
    {"11", "11- Noviembre"},
    {"12", "12- Diciembre"},
    {"0A", "0A-Anual"},
};

// The instalment returns keep the quarter's number alone.
const Period kQuarterNumbers[] = {
    {"0", "Seleccione un período"}, {"1", "1T- primer trimestre"}, {"2", "2T- segundo trimestre"},
    {"3", "3T- tercer trimestre"},  {"4", "4T- cuarto trimestre"},
};

const Period kCorporateInstalments[] = {
    {"1", "1P - ABRIL"},
    {"2", "2P - OCTUBRE"},
    {"3", "3P - DICIEMBRE"},
};

} // namespace

constinit const std::span<const Period> kTrimestres = kQuarters;
constinit const std::span<const Period> kTrimestresYMeses = kQuartersAndMonths;
constinit const std::span<const Period> kTrimestresMesesYAnual = kQuartersMonthsAndYear;
constinit const std::span<const Period> kTrimestresNumero = kQuarterNumbers;
constinit const std::span<const Period> kPagosSociedades = kCorporateInstalments;

std::optional<std::pair<QDate, QDate>> dates(const QString& code, int year) {
    if (code.size() != 2)
        return std::nullopt;
    bool number = false;
    const int n = code.toInt(&number);
    int first = 0;
    int months = 0;
    if (number && n >= 1 && n <= 12) {
        first = n;
        months = 1;
    } else if (code == u"0A") {
        first = 1;
        months = 12;
    } else if (code[1] == u'T' && code[0] >= u'1' && code[0] <= u'4') {
        first = 3 * (code[0].unicode() - u'0') - 2;
        months = 3;
    } else {
        return std::nullopt;
    }
    const QDate start(year, first, 1);
    return std::pair{start, start.addMonths(months).addDays(-1)};
}

} // namespace periods

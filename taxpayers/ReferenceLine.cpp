#include "taxpayers/ReferenceLine.h"

namespace taxpayers {

namespace {

// Characters `from` to `to` (from 1, both included) of what the line has.
QString chars(const QString& line, int from, int to) {
    return line.mid(from - 1, to - from + 1);
}

QString charsToEnd(const QString& line, int from) {
    return line.mid(from - 1);
}

ReferenceLine statement(const char* sql, std::vector<std::pair<QString, QVariant>> params) {
    return {QString::fromLatin1(sql), std::move(params)};
}

std::optional<ReferenceLine> cnae(const QString& line) {
    const QString code = chars(line, 1, 4).trimmed();
    bool ok = false;
    const int codigo = code.toInt(&ok);
    if (code.size() != 4 || !ok || codigo < 1)
        return std::nullopt;
    return statement("insert into cnae values (:codigo,:descripcion)",
                     {{QStringLiteral("codigo"), codigo},
                      {QStringLiteral("descripcion"), charsToEnd(line, 12).trimmed()}});
}

} // namespace

std::optional<ReferenceLine> splitReferenceLine(ReferenceFile file, const QString& line) {
    // A blank line would store a row under an empty code.
    if (line.trimmed().isEmpty())
        return std::nullopt;
    switch (file) {
    case ReferenceFile::Delegaciones:
        if (line[0] == u' ')
            return statement("execute procedure pa_importa_delegaciones :DELEGACION, :TITULO",
                             {{QStringLiteral("DELEGACION"), chars(line, 4, 5)},
                              {QStringLiteral("TITULO"), charsToEnd(line, 6)}});
        return statement(
            "execute procedure pa_importa_administraciones :ADMINISTRACION, :DELEGACION, :TITULO",
            {{QStringLiteral("ADMINISTRACION"), chars(line, 1, 5)},
             {QStringLiteral("DELEGACION"), chars(line, 1, 2)},
             {QStringLiteral("TITULO"), charsToEnd(line, 6)}});
    case ReferenceFile::Epigrafes:
        return statement("execute procedure pa_importa_epigrafes :EPIGRAFE, :TITULO ",
                         {{QStringLiteral("EPIGRAFE"), chars(line, 1, 5)},
                          {QStringLiteral("TITULO"), charsToEnd(line, 6)}});
    case ReferenceFile::Siglas:
        return statement("execute procedure pa_importa_siglas :SIGLAS, :TITULO ",
                         {{QStringLiteral("SIGLAS"), chars(line, 1, 2)},
                          {QStringLiteral("TITULO"), charsToEnd(line, 3)}});
    case ReferenceFile::Paises:
        // Characters 4 to the end, at most 64 of them.
        return statement("execute procedure pa_importa_paises :pais, :TITULO ",
                         {{QStringLiteral("pais"), chars(line, 1, 3)},
                          {QStringLiteral("TITULO"), chars(line, 4, 67)}});
    case ReferenceFile::Cnae:
        return cnae(line);
    }
    return std::nullopt;
}

} // namespace taxpayers

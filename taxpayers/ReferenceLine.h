#pragma once

#include <QString>
#include <QVariant>

#include <optional>
#include <utility>
#include <vector>

namespace taxpayers {

// The reference files, in the order they are imported.
enum class ReferenceFile { Delegaciones, Epigrafes, Siglas, Paises, Cnae };

// What one line of a reference file stores: the statement and its parameters.
struct ReferenceLine {
    QString sql;
    std::vector<std::pair<QString, QVariant>> params;
};

// Splits a line (already decoded, without its line break) by the positions of its file;
// a line shorter than them gives short or empty fields. Nothing for a line that stores
// nothing: a blank one, or a CNAE title.
std::optional<ReferenceLine> splitReferenceLine(ReferenceFile file, const QString& line);

} // namespace taxpayers

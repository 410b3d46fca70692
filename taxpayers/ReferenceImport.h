#pragma once

#include "taxpayers/ReferenceLine.h"

#include <QString>

#include <functional>
#include <utility>
#include <vector>

namespace db {
class Database;
class Transaction;
} // namespace db

namespace taxpayers {

// Loads the reference files into the system database line by line, each line committed
// (retaining) as soon as it is stored: an import that stops keeps what it stored.
class ReferenceImport {
public:
    // Called before every line with the file and the lines still to go; false stops the
    // import there, before that line and before every later file.
    using Progress = std::function<bool(const QString& path, int remaining)>;

    ReferenceImport(db::Database& database, db::Transaction& transaction);

    // Every file in the order given; a missing one is skipped. A failing line stops the
    // import with its error.
    void run(const std::vector<std::pair<ReferenceFile, QString>>& files, const Progress& progress);

    // The typed folder, trimmed and ended by a separator.
    static QString folder(const QString& typed);

private:
    bool importFile(ReferenceFile file, const QString& path, const Progress& progress);

    db::Database& database_;
    db::Transaction& transaction_;
};

} // namespace taxpayers

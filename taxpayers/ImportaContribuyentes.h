#pragma once

#include "db/Database.h"
#include "db/Statement.h"
#include "db/Transaction.h"

#include <QString>

#include <functional>

class TDMMain;

// Copies the taxpayers of the previous edition's database into the system database.
// One already registered keeps its data; each one is committed on its own, so a run
// that stops keeps what it brought and a repeated run changes nothing.
class ImportaContribuyentes {
public:
    explicit ImportaContribuyentes(TDMMain& main);

    // The previous edition's database in its usual folder, through the local server.
    static QString OrigenPorDefecto();

    // Imports from the database named; progress runs after every taxpayer. A database
    // that does not open is reported and nothing is imported (false). A taxpayer the
    // procedure refuses ends the run with its error, the ones before it imported. The
    // previous database is connected only while the run lasts.
    bool Proceso(const QString& nombre, const std::function<void()>& progress = {});

    db::Database DataTribra;
    db::Transaction TLocal{DataTribra};
    db::Statement QOrigen{DataTribra, TLocal};
    db::Statement QDestino;

private:
    bool AbreOrigen(const QString& nombre);
    void ImportaContribuyente();

    TDMMain& main_;
};

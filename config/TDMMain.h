#pragma once

#include "db/Database.h"
#include "db/Statement.h"
#include "db/Transaction.h"

#include <QString>

#include <memory>
#include <utility>
#include <vector>

namespace config {
struct DatabaseLocation;
}
namespace framework {
class Prompts;
}
namespace platform {
class Program;
}

// The main data module: made before any window, it fixes the regional formats, finds
// and opens the system's database (asking where it is the first time), offers a
// pending schema update, and owns the connections every other module uses.
class TDMMain {
public:
    explicit TDMMain(framework::Prompts& prompts);
    // Closes the system's database; what nobody committed is rolled back.
    ~TDMMain();
    TDMMain(const TDMMain&) = delete;
    TDMMain& operator=(const TDMMain&) = delete;

    QString BaseDeDatos;
    QString Servidor;
    QString Protocolo;
    QString DirectorioDeposito;
    const QString& DirectorioTrabajo() const { return directorioTrabajo_; }

    db::Database Database;
    db::Transaction TLocal{Database};
    db::Statement QGen{Database, TLocal};
    db::Database DBConta;
    db::Transaction TConta{DBConta};

    QString CadenaConexion() const;
    void GrabaConfiguracion();
    // Starts program + " " + arguments hidden, without waiting.
    std::unique_ptr<platform::Program> EjecutaPrograma(const QString& program,
                                                       const QString& arguments);
    // Waits while the interface keeps answering; stops early when the application quits.
    void EsperaPrograma(platform::Program& program);

    // The taxpayer's accounting database on DBConta; false when it has none (silently)
    // or it does not open (the user is told).
    bool AbreContabilidad(int contribuyente);
    // The taxpayer's identification blocks of the agency's files: 141, 63 and 89
    // characters. A missing taxpayer is an error (" No existe el contribuyente ").
    QString IdentificacionCompleta(int contribuyente);
    QString IdentificacionCorta(int contribuyente);
    QString IdentificacionDeclarante(int contribuyente);

    // The application is ending: the system's database did not open (the user was
    // told), or the main window closed. A wait for an outside program stops then.
    bool terminating() const { return terminating_; }
    void terminate() { terminating_ = true; }
    framework::Prompts& prompts() const { return prompts_; }

private:
    void LeeConfiguracion();
    void FormatosRegionales();
    void ConectaBaseDatos();
    void PideUbicacion();
    void aplicaUbicacion(const config::DatabaseLocation& location);
    bool abreBaseDatos();
    QString motivoSinConexion() const;
    bool corrigeUbicacion();
    void ActualizaBaseDatos();
    bool offerToCreate();
    QString identificacion(int contribuyente, const std::vector<std::pair<QString, int>>& columnas);
    QString settingsFile() const;

    framework::Prompts& prompts_;
    QString directorioTrabajo_;
    bool terminating_ = false;
    bool leidaDeAjustes_ = false; // the location came from the settings file, not the dialog
};

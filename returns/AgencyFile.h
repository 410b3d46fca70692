#pragma once

#include <QByteArray>
#include <QString>

namespace framework {
class Prompts;
}

// How every return's file reaches the agency's folder.
namespace agency {

// `bytes` written to `ruta` aside and renamed into place: a failed write leaves no half file
// behind. False when it could not be written.
[[nodiscard]] bool escribe(const QString& ruta, const QByteArray& bytes);

// The agency's folder of a model and year, "c:\aeat\347_2018", as this machine names it.
QString directorio(const QString& modelo, int ejercicio);

// The file at `ruta` copied over `nombre` in `destino` (its last level made when missing).
// A failed copy is told ("No se ha podido copiar el archivo en :") and does not fail the
// filing: the file stays in the working folder. Returns the copy's path.
QString copia(framework::Prompts& prompts, const QString& ruta, const QString& destino,
              const QString& nombre);

} // namespace agency

#pragma once

#include <QString>

class TDMMemorias;

// How a taxpayer's notes are obtained from a memoria model: recalculated, then composed.

// Every formula of every chapter of memoria `memoria` recalculated for the taxpayer the
// module remembers; false when the taxpayer's books could not be read, the amounts of the
// last calculation kept. A memoria that does not exist is a tributra::Error.
bool RecalculaMemoria(TDMMemorias& dm, int memoria);

// The chapters of memoria `memoria` joined in number order, their placeholders replaced by
// the stored amounts and, with `cabeceras`, each under its number and title. Written as
// rich text to "memoria" + the number in three digits + ".txt" in the current folder,
// replacing an earlier composition; returns that file's path.
QString ComponMemoria(TDMMemorias& dm, int memoria, bool cabeceras);

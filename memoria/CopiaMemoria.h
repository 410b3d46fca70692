#pragma once

#include <QString>

class TDMMain;

// Memoria `destino`, named `nombre`, as a copy of memoria `origen` with its chapters and
// formulas. A memoria origin that does not exist, a destination already taken or a database
// failure is a tributra::Error, and nothing is copied.
void CopiaMemoria(TDMMain& main, int origen, int destino, const QString& nombre);

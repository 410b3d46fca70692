#pragma once

#include "returns/LayoutTable.h"

#include <QString>
#include <QStringList>

// The one-line file a periodic return is filed with: the opening tag, the AUX block,
// the pages, the closing tag. The tags carry the model, the year and the period.
struct TelematicFile {
    // 311 characters; the program's version at 76, the developer's tax number at 84-92.
    static const layout::Table kBloqueAux;

    QString modelo;        // "111"
    int ejercicio = 0;     // 2018
    QString periodo;       // as stored: "1T"
    QString sufijoPeriodo; // after the period in the tags, for the models that add one
    QString version;       // of the program, in the AUX block
    QStringList paginas;

    QString text() const;
    // "<T1110" + year + period + suffix + "0000>".
    QString etiqueta() const;
    // The closing tag of an opening one: "/" after "<".
    static QString cierre(const QString& etiqueta);
    QString bloqueAux() const;
};

#pragma once

#include <QString>
#include <QStringList>

class TDMMain;

// A taxpayer's notes composed without a window, for the adviser who prepares many
// companies' memorias:
//   tributra memoria --memoria 1 --contribuyente 12 [--cabeceras] [--pdf FICHERO]
// The formulas are recalculated from the taxpayer's books, the chapters composed as the
// dialog composes them into "memoria001.txt" of the current folder and, with --pdf, printed
// to a PDF. Needs a QGuiApplication (an offscreen one does).
struct MemoriaCommand {
    int memoria = 0;
    int contribuyente = 0;
    bool cabeceras = false;
    QString pdf;

    // The arguments after "memoria"; one it cannot take is a tributra::UsageError naming it.
    static MemoriaCommand parse(const QStringList& arguments);
    static QString usage();
    // 0 when the notes were composed (and printed); 1 when not, the user told why.
    int run(TDMMain& main) const;
};

#pragma once

#include <QString>
#include <QStringList>

class TDMMain;

// The telematic file of one return without a window, for the adviser who files a quarter
// for many taxpayers and for scripts:
//   tributra fichero 111 --contribuyente 12 --periodo 1T [--captura]
struct FileCommand {
    QString modelo;
    int contribuyente = 0;
    QString periodo;
    bool captura = false;

    // The arguments after "fichero". An argument it cannot take is a tributra::UsageError
    // that names it.
    static FileCommand parse(const QStringList& arguments);
    static QString usage();
    // 0 when the print file was written; 1 when not, the user told why. A signal (SIGINT,
    // SIGTERM) stops it between two steps with platform::TerminationSignals::Interrupted:
    // the record is posted whole or not at all, and no file is left half-written.
    int run(TDMMain& main) const;
};

#pragma once

#include <QString>
#include <QStringList>

class TDMMain;

// The deposit file of one company without a window, for the adviser who deposits many
// companies' accounts:
//   tributra deposito --contribuyente 12 [--carpeta DIR] [--captura] [--reemplaza]
// --carpeta is D2's working directory for this run (else the one the settings keep);
// --captura captures the balance sheet and the P&L first; --reemplaza replaces an earlier
// file without asking.
struct DepositCommand {
    int contribuyente = 0;
    QString carpeta;
    bool captura = false;
    bool reemplaza = false;

    // The arguments after "deposito"; one it cannot take is a tributra::UsageError naming it.
    static DepositCommand parse(const QStringList& arguments);
    static QString usage();
    // 0 when the file was written; 1 when not, the user told why.
    int run(TDMMain& main) const;
};

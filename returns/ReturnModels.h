#pragma once

#include "returns/periodic/PeriodicReturn.h"

#include <span>

// Every return the system files, in the order of the menu: what the command line, the
// viewer and the menu read.
namespace returns {

std::span<const PeriodicReturn::Model* const> models();
// Null for a code no model has.
const PeriodicReturn::Model* findModel(const QString& code);

// A return written as a file of 500-character records, each ended by CR LF: its record
// types, the first the declarant's.
struct RecordFile {
    QString modelo;
    std::span<const layout::Table> registros;
    // None for a return of the year; else "none chosen" first.
    std::span<const periods::Period> periodos;
    // The file of a taxpayer's return, from the command line: false when none was written,
    // the user told why.
    bool (*archiva)(TDMMain& main, int contribuyente, const QString& periodo, bool captura);

    bool conPeriodo() const { return !periodos.empty(); }
    // Any code listed but the first, the one of none chosen.
    bool periodoValido(const QString& periodo) const;
};
// Null for a code no record file has.
const RecordFile* findRecordFile(const QString& code);
std::span<const RecordFile> recordFiles();

} // namespace returns

#pragma once

#include <QString>

namespace db {
class Database;
class Transaction;
} // namespace db

// The memoria an adviser starts from: the notes of the small companies' accounts, chapter by
// chapter, with formulas over the account groups for the figures they carry.
namespace MemoriaEjemplo {

inline const QString kTitulo = QStringLiteral("MEMORIA PYMES (EJEMPLO)");

// Writes it as memoria number `memoria` of the system database, in `transaction`.
void inserta(db::Database& database, db::Transaction& transaction, int memoria);

// The database the memoria import offers first: "memoria.gdb" beside the settings.
QString fichero();
// A database of the system's structure at `path` holding only the sample memoria, number 1.
void creaBase(const QString& path);

} // namespace MemoriaEjemplo

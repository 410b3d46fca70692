#pragma once

#include <QChar>
#include <QString>

namespace schema {

// A Spanish tax number of a person (NIF): the eight digits of number and their check
// letter.
QString nifOf(int number);

// A Spanish tax number of an entity (CIF): its letter (B for a limited company, A for a
// corporation...), the seven digits of number and their control character, a letter for
// the entity letters that take one (P, Q, S, K, N, W) and a digit otherwise.
QString cifOf(QChar letter, int number);

} // namespace schema

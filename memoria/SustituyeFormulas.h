#pragma once

#include <QString>

#include <functional>

class QTextDocument;

// Every placeholder "[Formula 007]" of a chapter replaced, line by line, by the amount text
// of its formula (13 characters, or more when the amount does not fit); the text around it
// keeps its format. A bracket that is not a placeholder stops the substitution with a
// tributra::Error, the lines before it already replaced.
void SustituyeFormulas(QTextDocument& capitulo, const std::function<QString(int formula)>& texto);

#pragma once

#include <QChar>
#include <QString>

class QDate;

// The fields of the tax agency's fixed-width files and of the deposit files: filling and
// cutting, amounts in cents with a sign letter, percentages, dates, month names, clean-up
// of names and tax numbers, IBAN check digits. Texts are Windows-1252 characters; a width
// counts characters. "Trim" below removes blanks and control characters at both ends.
namespace UUtiles {

// Compacted (QuitaDobleEspacio), trimmed, filled on the right and cut to exactly `ancho`
// characters when the fill is one character long.
QString RellenaDerecha(const QString& texto, int ancho,
                       const QString& relleno = QStringLiteral(" "));
// Trimmed and filled on the left up to `ancho`; a longer text is not cut.
QString RellenaIzquierda(const QString& texto, int ancho, const QString& relleno);
// Zeros in front of the untrimmed text up to `ancho`; a longer text is not cut.
QString CerosIzquierda(const QString& texto, int ancho);
QString Espacios(int n);
QString RepiteCaracter(int n, QChar c);
// Every run of blanks becomes one blank, at the ends too; nothing else changes.
QString CompactaEspacios(const QString& texto);
QString QuitaDobleEspacio(const QString& texto);
// a-z upper-cased, then only controls, blank, & ' , - . / 0-9 : ; A-Z _ ´ Ç Ñ are kept:
// accented letters and ñ are dropped, not transliterated.
QString NormalizaNombre(const QString& texto);
// Only 0-9 and A-Z (lower case is dropped, not upper-cased), at most 9 characters.
QString NormalizaNIF(const QString& texto);
QString SoloAlfanumericos(const QString& texto);
// á é í ó ú become a e i o u (capitals and ñ stay), then trimmed.
QString QuitaAcentos(const QString& texto);

// Amounts in cents, rounded by util::cents, zero-filled to `ancho` digits. No function
// ever drops a digit: an amount that needs more positions than the field has gives a
// longer text, which a fixed layout refuses.
// ImporteN: "N" and ancho - 1 digits below zero; width 16 gives a blank and 15 digits for
// zero or above, any other width `ancho` digits.
QString ImporteN(int ancho, double importe);
// Always a sign position first ("N" below zero, blank otherwise), then ancho - 1 digits.
QString ImporteSigno(int ancho, double importe);
// The absolute amount, no sign.
QString ImporteSinSigno(int ancho, double importe);
// rate * 100 as util::formatGeneral writes it, zero-filled to 4 (5) characters:
// 21 -> "2100", 4.5 -> "0450".
QString Porcentaje4(double tipo);
QString Porcentaje5(double tipo);

QString FechaDDMMAAAA(const QDate& fecha);
QString FechaAAAAMMDD(const QDate& fecha);
// "ENERO" to "DICIEMBRE"; empty for any other number.
QString NombreMes(int mes);
// Whether a search text asks for a numeric comparison: it starts with a digit, ',', '-' or '.'.
bool EsNumero(const QString& texto);
// Lines of a text file; a last line without a line break counts. Throws tributra::Error
// when the file cannot be read.
int CuentaLineas(const QString& fichero);

// ISO 13616 IBAN of a domestic account for a two-capital-letter country; a blank account
// becomes 20 zeros. Throws tributra::ConversionError for any other country code or an
// account that is not all digits.
QString CalculaIBAN(const QString& cuenta, const QString& pais);
// "A" -> "10" ... "Z" -> "35"; empty for any other character.
QString ValorLetraIBAN(QChar letra);
// A digit text of any length mod 97, reduced in pieces of at most 9 digits so that every
// piece fits 32 bits. Throws tributra::ConversionError when the text is empty or holds
// anything but digits.
int Modulo97(const QString& digitos);

} // namespace UUtiles

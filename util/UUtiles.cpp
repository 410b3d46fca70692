#include "util/UUtiles.h"

#include "util/Cents.h"
#include "util/Error.h"
#include "util/NumberFormat.h"

#include <QDate>
#include <QFile>
#include <algorithm>

namespace UUtiles {

namespace {

bool isBlankOrControl(QChar c) {
    return c.unicode() <= u' ';
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isDigitOrCapital(QChar c) {
    return isDigit(c) || (c >= u'A' && c <= u'Z');
}

QString trimmed(const QString& texto) {
    qsizetype begin = 0;
    qsizetype end = texto.size();
    while (begin < end && isBlankOrControl(texto[begin]))
        ++begin;
    while (end > begin && isBlankOrControl(texto[end - 1]))
        --end;
    return texto.mid(begin, end - begin);
}

QString repeated(const QString& relleno, qsizetype veces) {
    return veces > 0 ? relleno.repeated(veces) : QString();
}

QString kept(const QString& texto, bool (*keep)(QChar)) {
    QString result;
    std::copy_if(texto.begin(), texto.end(), std::back_inserter(result), keep);
    return result;
}

QString digitsOf(qint64 centimos, int ancho) {
    return CerosIzquierda(QString::number(qAbs(centimos)), ancho);
}

QString porcentaje(double tipo, int ancho) {
    return CerosIzquierda(util::formatGeneral(tipo * 100), ancho);
}

} // namespace

QString RellenaDerecha(const QString& texto, int ancho, const QString& relleno) {
    const QString limpio = trimmed(QuitaDobleEspacio(texto));
    return (limpio + repeated(relleno, ancho - limpio.size())).left(qMax(ancho, 0));
}

QString RellenaIzquierda(const QString& texto, int ancho, const QString& relleno) {
    const QString limpio = trimmed(texto);
    return repeated(relleno, ancho - limpio.size()) + limpio;
}

QString CerosIzquierda(const QString& texto, int ancho) {
    return repeated(QStringLiteral("0"), ancho - texto.size()) + texto;
}

QString Espacios(int n) {
    return RepiteCaracter(n, u' ');
}

QString RepiteCaracter(int n, QChar c) {
    return n > 0 ? QString(n, c) : QString();
}

QString CompactaEspacios(const QString& texto) {
    QString result;
    result.reserve(texto.size());
    for (const QChar c : texto) {
        if (c != u' ' || !result.endsWith(u' '))
            result += c;
    }
    return result;
}

QString QuitaDobleEspacio(const QString& texto) {
    return CompactaEspacios(texto);
}

QString NormalizaNombre(const QString& texto) {
    static const QString signs = QStringLiteral("&',-./:;_\u00B4\u00C7\u00D1");
    QString result;
    for (QChar c : texto) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
        if (c.unicode() <= u' ' || isDigitOrCapital(c) || signs.contains(c))
            result += c;
    }
    return result;
}

QString NormalizaNIF(const QString& texto) {
    return SoloAlfanumericos(texto).left(9);
}

QString SoloAlfanumericos(const QString& texto) {
    return kept(texto, isDigitOrCapital);
}

QString QuitaAcentos(const QString& texto) {
    QString result = texto;
    for (QChar& c : result) {
        switch (c.unicode()) {
        case u'á':
            c = u'a';
            break;
        case u'é':
            c = u'e';
            break;
        case u'í':
            c = u'i';
            break;
        case u'ó':
            c = u'o';
            break;
        case u'ú':
            c = u'u';
            break;
        default:
            break;
        }
    }
    return trimmed(result);
}

QString ImporteN(int ancho, double importe) {
    const qint64 centimos = util::cents(importe);
    if (centimos < 0)
        return u'N' + digitsOf(centimos, ancho - 1);
    // Width 16 is the one field whose first position stays a blank sign.
    if (ancho == 16)
        return u' ' + digitsOf(centimos, ancho - 1);
    return digitsOf(centimos, ancho);
}

QString ImporteSigno(int ancho, double importe) {
    const qint64 centimos = util::cents(importe);
    return (centimos < 0 ? u'N' : u' ') + digitsOf(centimos, ancho - 1);
}

QString ImporteSinSigno(int ancho, double importe) {
    return digitsOf(util::cents(importe), ancho);
}

QString Porcentaje4(double tipo) {
    return porcentaje(tipo, 4);
}

QString Porcentaje5(double tipo) {
    return porcentaje(tipo, 5);
}

QString FechaDDMMAAAA(const QDate& fecha) {
    return RellenaIzquierda(QString::number(fecha.day()), 2, QStringLiteral("0")) +
           RellenaIzquierda(QString::number(fecha.month()), 2, QStringLiteral("0")) +
           RellenaIzquierda(QString::number(fecha.year()), 4, QStringLiteral("0"));
}

QString FechaAAAAMMDD(const QDate& fecha) {
    return RellenaIzquierda(QString::number(fecha.year()), 4, QStringLiteral("0")) +
           RellenaIzquierda(QString::number(fecha.month()), 2, QStringLiteral("0")) +
           RellenaIzquierda(QString::number(fecha.day()), 2, QStringLiteral("0"));
}

QString NombreMes(int mes) {
    static const char* const nombres[] = {"ENERO",      "FEBRERO", "MARZO",     "ABRIL",
                                          "MAYO",       "JUNIO",   "JULIO",     "AGOSTO",
                                          "SEPTIEMBRE", "OCTUBRE", "NOVIEMBRE", "DICIEMBRE"};
    return mes >= 1 && mes <= 12 ? QString::fromLatin1(nombres[mes - 1]) : QString();
}

bool EsNumero(const QString& texto) {
    return !texto.isEmpty() &&
           (isDigit(texto[0]) || texto[0] == u',' || texto[0] == u'-' || texto[0] == u'.');
}

int CuentaLineas(const QString& fichero) {
    QFile file(fichero);
    const auto unreadable = [&] {
        return tributra::Error(
            QStringLiteral("Error de entrada/salida: no se puede leer el fichero \"%1\"")
                .arg(fichero));
    };
    if (!file.open(QIODevice::ReadOnly))
        throw unreadable();
    int lines = 0;
    char last = '\n';
    for (;;) {
        const QByteArray chunk = file.read(1 << 16);
        if (file.error() != QFileDevice::NoError)
            throw unreadable();
        if (chunk.isEmpty())
            break;
        lines += int(chunk.count('\n'));
        last = chunk.back();
    }
    return last == '\n' ? lines : lines + 1;
}

QString CalculaIBAN(const QString& cuenta, const QString& pais) {
    if (pais.size() != 2 || ValorLetraIBAN(pais[0]).isEmpty() || ValorLetraIBAN(pais[1]).isEmpty())
        throw tributra::ConversionError(
            QStringLiteral("'%1' no es un código de país válido").arg(pais));
    const QString numero = trimmed(cuenta).isEmpty() ? QString(20, u'0') : cuenta;
    const int resto =
        Modulo97(numero + ValorLetraIBAN(pais[0]) + ValorLetraIBAN(pais[1]) + QStringLiteral("00"));
    return pais + RellenaIzquierda(QString::number(98 - resto), 2, QStringLiteral("0")) + numero;
}

QString ValorLetraIBAN(QChar letra) {
    return letra >= u'A' && letra <= u'Z' ? QString::number(letra.unicode() - u'A' + 10)
                                          : QString();
}

int Modulo97(const QString& digitos) {
    if (digitos.isEmpty() || !std::all_of(digitos.begin(), digitos.end(), isDigit))
        throw tributra::ConversionError(
            QStringLiteral("'%1' no es un valor entero válido").arg(digitos));
    // Nine digits always fit 32 bits; after the first piece the remainder's one or two
    // digits take the place of the digits read less.
    int resto = digitos.left(9).toInt() % 97;
    for (qsizetype pos = 9; pos < digitos.size();) {
        const qsizetype quedan = digitos.size() - pos;
        const qsizetype toma = quedan < 8 ? quedan : (resto > 9 ? 7 : 8);
        resto = (QString::number(resto) + digitos.mid(pos, toma)).toInt() % 97;
        pos += toma;
    }
    return resto;
}

} // namespace UUtiles

#include "memoria/SustituyeFormulas.h"

#include "richtext/TextLines.h"
#include "util/Error.h"

void SustituyeFormulas(QTextDocument& capitulo, const std::function<QString(int formula)>& texto) {
    richtext::TextLines lineas(capitulo);
    for (int linea = 0; linea < lineas.count(); ++linea) {
        for (qsizetype p = lineas.text(linea).indexOf(u'['); p >= 0;
             p = lineas.text(linea).indexOf(u'[')) {
            const QString contenido = lineas.text(linea).mid(p + 1);
            const qsizetype cierre = contenido.indexOf(u']');
            const QString corchete = cierre < 0 ? contenido : contenido.left(cierre);
            // The number is what follows "Formula ": characters 9 to 11 of the bracket.
            bool numero = false;
            const int formula = corchete.mid(8, 3).toInt(&numero);
            if (!numero)
                throw tributra::Error(
                    QStringLiteral("'%1' no es un número entero válido").arg(corchete.mid(8, 3)),
                    QStringLiteral("Línea %1: [%2 no es una formula").arg(linea + 1).arg(corchete));
            lineas.replace(linea, int(p), 13, texto(formula));
        }
    }
}

#include "memoria/ObtenMemoria.h"

#include "memoria/SustituyeFormulas.h"
#include "memoria/TDMMemorias.h"
#include "richtext/Rtf.h"
#include "util/Error.h"
#include "util/UUtiles.h"

#include <QDir>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace {

const QString kDiezBlancos(10, u' ');

void localiza(TDMMemorias& dm, int memoria) {
    if (!dm.QMaestro.locate(QStringLiteral("MEMORIA"), {memoria}))
        throw tributra::Error(QStringLiteral("No existe la memoria %1").arg(memoria));
}

// Ten blanks, the chapter's number and title; ten blanks and forty asterisks below.
void cabecera(QTextCursor& fin, const QString& numero, const QString& titulo) {
    fin.insertText(kDiezBlancos + numero + u' ' + titulo, QTextCharFormat());
    fin.insertBlock(QTextBlockFormat(), QTextCharFormat());
    fin.insertText(kDiezBlancos + QString(40, u'*'), QTextCharFormat());
    fin.insertBlock(QTextBlockFormat(), QTextCharFormat());
}

} // namespace

bool RecalculaMemoria(TDMMemorias& dm, int memoria) {
    localiza(dm, memoria);
    // Every chapter, whichever one the form had in hand.
    dm.QCapitulos.first();
    return dm.CalculaMemoria(memoria);
}

QString ComponMemoria(TDMMemorias& dm, int memoria, bool cabeceras) {
    localiza(dm, memoria);
    QTextDocument completa;
    QTextCursor fin(&completa);
    for (dm.QCapitulos.first(); !dm.QCapitulos.eof(); dm.QCapitulos.next()) {
        // Each chapter starts a paragraph of its own.
        if (!fin.block().text().isEmpty())
            fin.insertBlock(QTextBlockFormat(), QTextCharFormat());
        if (cabeceras)
            cabecera(fin, dm.QCapitulos.field(QStringLiteral("CAPITULO")).asString(),
                     dm.QCapitulos.field(QStringLiteral("TITULO")).asString());
        QTextDocument capitulo;
        const QByteArray texto = dm.QCapitulos.field(QStringLiteral("TEXTO")).asBytes();
        if (!texto.isEmpty())
            (void)richtext::readRtf(texto, capitulo);
        SustituyeFormulas(capitulo, [&dm](int n) { return dm.TextoFormula(n); });
        fin.insertFragment(QTextDocumentFragment(&capitulo));
    }

    const QString fichero = QDir::current().filePath(
        QStringLiteral("memoria%1.txt").arg(UUtiles::CerosIzquierda(QString::number(memoria), 3)));
    QSaveFile f(fichero);
    if (!f.open(QIODevice::WriteOnly) || f.write(richtext::writeRtf(completa)) < 0 || !f.commit())
        throw tributra::Error(QStringLiteral("No se puede guardar %1").arg(fichero),
                              f.errorString());
    return fichero;
}

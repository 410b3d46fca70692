#include "returns/periodic/TelematicFile.h"

#include "returns/Layout.h"

QString TelematicFile::text() const {
    const QString tag = u'T' + modelo + u'0' + QString::number(ejercicio) + periodo +
                        sufijoPeriodo + QStringLiteral("0000>");
    return u'<' + tag + bloqueAux(version) + paginas.join(QString()) + QStringLiteral("</") + tag;
}

QString TelematicFile::bloqueAux(const QString& version) {
    return Layout(311)
        .put(1, 5, QStringLiteral("<AUX>"))
        .blanks(6, 70)
        .text(76, 4, version)
        .blanks(80, 4)
        .put(84, 9, QStringLiteral("B12312312"))
        .blanks(93, 213)
        .put(306, 6, QStringLiteral("</AUX>"))
        .result();
}

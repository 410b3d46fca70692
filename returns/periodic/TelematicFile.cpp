#include "returns/periodic/TelematicFile.h"

#include "db/Value.h"
#include "returns/LayoutWriter.h"

namespace {

using enum layout::Kind;

const layout::Row kAux[] = {
    {1, 5, Const, "<AUX>"},
    {6, 70, Blanks},
    {76, 4, Text, "VERSION"},
    {80, 4, Blanks},
    {84, 9, Const, "B12312312"},
    {93, 213, Blanks},
    {306, 6, Const, "</AUX>"},
};

} // namespace

const layout::Table TelematicFile::kBloqueAux = {"bloque AUX", 311, kAux};

QString TelematicFile::text() const {
    const QString tag = etiqueta();
    return tag + bloqueAux() + paginas.join(QString()) + cierre(tag);
}

QString TelematicFile::cierre(const QString& etiqueta) {
    return etiqueta.first(1) + u'/' + etiqueta.mid(1);
}

QString TelematicFile::etiqueta() const {
    return QStringLiteral("<T") + modelo + u'0' + QString::number(ejercicio) + periodo +
           sufijoPeriodo + QStringLiteral("0000>");
}

QString TelematicFile::bloqueAux() const {
    const LayoutWriter writer(modelo, [this](const QString&) { return db::Value(version); });
    return writer.write(kBloqueAux);
}

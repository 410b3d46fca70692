#include "returns/informative/InformativeReturn.h"

#include "config/TDMMain.h"
#include "db/ChangeEventsOff.h"
#include "returns/LayoutWriter.h"
#include "util/UUtiles.h"

#include <QDir>

#include <list>

InformativeReturn::InformativeReturn(TDMMain& main, QString modelo, QStringList clave)
    : TDMBase(main), modelo_(std::move(modelo)), clave_(std::move(clave)) {
    QMaestro.onNewRecord.add([this](db::DataSet&) {
        campo(QStringLiteral("FECHA")).setValue(fechaDeclaracion().startOfDay());
        campo(QStringLiteral("TIPO")).setAsInteger(0);
    });
    // Only a substitute return names the one it replaces.
    QMaestro.beforePost.add([this](db::DataSet&) {
        if (campo(QStringLiteral("TIPO")).asInteger() != 2)
            campo(QStringLiteral("JUSTIFICANTE")).clear();
    });
}

void InformativeReturn::detalle(db::DataSet& lista) {
    lista.setMaster(&QMaestro);
    addDataSet(lista);
    QMaestro.afterOpen.add([&lista](db::DataSet&) {
        if (!lista.active())
            lista.open();
    });
    // Amounts read as the forms show them, as a new row's are.
    lista.afterOpen.add([](db::DataSet& ds) { FormatoImportes(ds); });
    // A row belongs to a stored return; each one is kept at once.
    lista.beforeInsert.add([this](db::DataSet&) {
        if (QMaestro.editing())
            QMaestro.post();
    });
    lista.afterPost.add([this](db::DataSet& ds) { QMaestroAfterPost(ds); });
    lista.afterDelete.add([this](db::DataSet& ds) { QMaestroAfterPost(ds); });
}

void InformativeReturn::FijaClave(const QVariantList& valores) {
    QMaestro.close();
    for (qsizetype i = 0; i < clave_.size(); ++i)
        QMaestro.setParam(clave_[i], valores[i]);
    QMaestro.open();
    if (QMaestro.isEmpty())
        nuevaDeclaracion(valores);
    else
        QMaestro.edit();
    // The tax office follows the taxpayer now in the key.
    xAgencia.close();
    xAgencia.open();
}

void InformativeReturn::nuevaDeclaracion(const QVariantList& valores) {
    QMaestro.append();
    {
        // Setting the key is what chose this return: it does not choose again.
        std::list<db::ChangeEventsOff> quiet;
        for (qsizetype i = 0; i < clave_.size(); ++i) {
            quiet.emplace_back(campo(clave_[i]));
            campo(clave_[i]).setValue(valores[i]);
        }
    }
    QGen.close();
    QGen.setSql(QStringLiteral(" select persona, firmante, cargo from t_contribuyentes \n"
                               " where contribuyente = :declarante "));
    QGen.setParam(QStringLiteral("DECLARANTE"), valores[0]);
    QGen.execute();
    if (!QGen.eof())
        for (const char* c : {"PERSONA", "FIRMANTE", "CARGO"})
            campo(QLatin1String(c)).setValue(QGen.field(QLatin1String(c)).variant());
    QGen.close();
}

QString InformativeReturn::rutaImpresion() const {
    return QDir(DMMain.DirectorioTrabajo()).filePath(QStringLiteral("mod%1.txt").arg(modelo_));
}

QDate InformativeReturn::fechaDeclaracion() {
    const QDate hoy = QDate::currentDate();
    const int ultimo = QDate(kEjercicio, hoy.month(), 1).daysInMonth();
    return QDate(kEjercicio, hoy.month(), std::min(hoy.day(), ultimo));
}

void InformativeReturn::claveEn(db::Statement& statement) {
    for (const QString& c : clave_)
        statement.setParam(c, campo(c).variant());
}

int InformativeReturn::numero(const QString& procedimiento) {
    QStringList marcas;
    for (const QString& c : clave_)
        marcas << u':' + c;
    QGen.close();
    QGen.setSql(QStringLiteral("execute procedure %1 %2").arg(procedimiento, marcas.join(u',')));
    claveEn(QGen);
    QGen.execute();
    const int n = QGen.field(QStringLiteral("NUMERO")).asInteger();
    QGen.close();
    return n;
}

// The kind of return and the number of the one a substitute replaces.
QString InformativeReturn::reglaComun(db::DataSet& fila, const QString& nombre) {
    const int tipo = QMaestro.field(QStringLiteral("TIPO")).asInteger();
    if (nombre == u"TIPO")
        return tipo == 1   ? QStringLiteral("C ")
               : tipo == 2 ? QStringLiteral(" S")
                           : QStringLiteral("  ");
    if (nombre == u"JUSTIFICANTE")
        return tipo == 2 ? UUtiles::RellenaDerecha(
                               QMaestro.field(QStringLiteral("JUSTIFICANTE")).asString(), 13)
                         : UUtiles::RepiteCaracter(13, u'0');
    return regla(fila, nombre);
}

// One record: the row's fields (the declarant's from the r1 procedure), its rules, exactly
// the table's length.
QString InformativeReturn::registro(const layout::Table& tabla, db::DataSet* fila,
                                    const db::Statement& r1) {
    const LayoutWriter escritor(
        modelo_,
        [&](const QString& nombre) -> db::Value {
            if (nombre == u"NIF_DECLARANTE")
                return r1.field(QStringLiteral("NIF"));
            if (fila)
                return fila->field(nombre).value();
            // The declarant's record: the procedure's outputs, else the return's own fields.
            return r1.columnIndex(nombre) >= 0 ? r1.field(nombre) : QMaestro.field(nombre).value();
        },
        [&](const QString& nombre) { return reglaComun(fila ? *fila : QMaestro, nombre); });
    const QString texto = escritor.write(tabla);
    if (texto.size() != tabla.length)
        throw LayoutError(QStringLiteral("Modelo %1, %2: %3 posiciones en lugar de %4")
                              .arg(modelo_, QLatin1String(tabla.name))
                              .arg(texto.size())
                              .arg(tabla.length));
    return texto + QStringLiteral("\r\n");
}

QString InformativeReturn::ComponeFichero() {
    QStringList marcas;
    for (const QString& c : clave_)
        marcas << u':' + c;
    db::Statement r1(DMMain.Database, TLocal);
    r1.setSql(QStringLiteral("execute procedure pa_mod%1_r1 %2").arg(modelo_, marcas.join(u',')));
    claveEn(r1);
    r1.execute();
    QString texto = registro(registroDeclarante(), nullptr, r1);
    for (const Lista& lista : listas()) {
        const int actual = lista.filas->currentRow();
        for (lista.filas->first(); !lista.filas->eof(); lista.filas->next())
            texto += registro(*lista.tabla, lista.filas, r1);
        if (actual >= 0 && actual < lista.filas->recordCount())
            lista.filas->moveTo(actual);
    }
    r1.close();
    if (TLocal.active())
        TLocal.commit();
    return texto;
}

#include "framework/TDMBase.h"

#include "config/TDMMain.h"
#include "framework/ErrorList.h"
#include "framework/Prompts.h"
#include "platform/FileCopy.h"
#include "platform/WindowsPaths.h"
#include "util/Error.h"
#include "util/UUtiles.h"

#include <QDir>

namespace {

const QString kSearchParam = QStringLiteral("TEXTO_BUSCADO");

// A typed search text reaches the statement as a parameter, never inside it: quotes in
// it change nothing. Numbers are compared as texts, as a prefix of their digits.
QString searchCondition(const QString& field, bool numeric) {
    const QString subject = numeric ? QStringLiteral("CAST(%1 AS VARCHAR(32))").arg(field) : field;
    return QStringLiteral("%1 LIKE CAST(:%2 AS VARCHAR(255))").arg(subject, kSearchParam);
}

} // namespace

TDMBase::TDMBase(TDMMain& main)
    : DMMain(main), TLocal(main.Database), QMaestro(main.Database, TLocal),
      QGen(main.Database, main.TLocal), xDatosConta(main.DBConta, main.TConta),
      xEmpresa(main.DBConta, main.TConta), xAgencia(main.Database, TLocal) {
    xEmpresa.setSql(
        QStringLiteral("SELECT EMPRESA FROM T_PARAMETROS\nWHERE EJERCICIO = :EJERCICIO"));
    xAgencia.setSelectSql(QStringLiteral(
        "select * from VER_AGENCIA_TRIBUTARIA\nwhere contribuyente = :contribuyente"));
    xAgencia.setMaster(&QMaestro);
    QMaestro.afterPost.add([this](db::DataSet& ds) { QMaestroAfterPost(ds); });
    QMaestro.afterDelete.add([this](db::DataSet& ds) { QMaestroAfterPost(ds); });
    addDataSet(QMaestro);
    addDataSet(xDatosConta);
    addDataSet(xAgencia);
}

// What a dataset read stays in its rows: its transaction ends with the read, so that an
// open form does not hold the server's garbage collection back.
void TDMBase::addDataSet(db::DataSet& dataSet) {
    dataSets_.push_back(&dataSet);
    dataSet.afterOpen.add([](db::DataSet& ds) {
        if (ds.transaction().active())
            ds.transaction().commit();
    });
}

void TDMBase::DataModuleCreate() {
    selectInicial_ = QMaestro.selectSql();
    if (!QDir::setCurrent(DMMain.DirectorioTrabajo()))
        throw tributra::Error(
            QStringLiteral("Error de entrada/salida: no se puede volver a la carpeta %1")
                .arg(DMMain.DirectorioTrabajo()));
    if (!TLocal.active())
        TLocal.start();
    QMaestro.open();
}

// A hard commit: every dataset keeps the rows it read, so no context is lost, and a
// transaction kept open all day would hold the server's garbage collection back.
void TDMBase::QMaestroAfterPost(db::DataSet& dataSet) {
    if (dataSet.transaction().active())
        dataSet.transaction().commit();
}

void TDMBase::setWriteSql(db::DataSet& dataSet, const QString& table, const QStringList& columns,
                          const QStringList& key, KeyUpdate keyUpdate) {
    QStringList values, assignments, oldKey, newKey;
    for (const QString& c : columns) {
        values << u':' + c;
        if (keyUpdate == KeyUpdate::Written || !key.contains(c))
            assignments << QStringLiteral("%1 = :%1").arg(c);
    }
    for (const QString& k : key) {
        oldKey << QStringLiteral("%1 = :OLD_%1").arg(k);
        newKey << QStringLiteral("%1 = :%1").arg(k);
    }
    const QString where = oldKey.join(QStringLiteral(" and "));
    dataSet.setInsertSql(
        QStringLiteral("insert into %1 (%2) values (%3)")
            .arg(table, columns.join(QStringLiteral(", ")), values.join(QStringLiteral(", "))));
    dataSet.setModifySql(QStringLiteral("update %1 set %2 where %3")
                             .arg(table, assignments.join(QStringLiteral(", ")), where));
    dataSet.setDeleteSql(QStringLiteral("delete from %1 where %2").arg(table, where));
    dataSet.setRefreshSql(QStringLiteral("select * from %1 where %2")
                              .arg(table, newKey.join(QStringLiteral(" and "))));
}

void TDMBase::FiltraMaestro(const QString& texto, const QString& campoNumerico,
                            const QString& campoTexto, const QString& orden) {
    if (texto.isEmpty())
        return;
    const bool numeric = UUtiles::EsNumero(texto);
    const QString& campo = numeric ? campoNumerico : campoTexto;
    QMaestro.close();
    QStringList lines = selectInicial_.split(u'\n');
    for (qsizetype i = lines.size() - 1; i >= 0; --i)
        if (lines[i].toUpper().contains(QStringLiteral("ORDER BY")))
            lines.removeAt(i);
    const bool hasWhere = std::any_of(lines.cbegin(), lines.cend(), [](const QString& l) {
        return l.toUpper().contains(QStringLiteral("WHERE"));
    });
    lines << (hasWhere ? QStringLiteral(" and ") : QStringLiteral(" where ")) +
                 searchCondition(campo, numeric);
    lines << QStringLiteral("ORDER BY ") << (orden.isEmpty() ? campo : orden);
    QMaestro.setSelectSql(lines.join(u'\n'));
    QMaestro.setParam(kSearchParam, texto + u'%');
    QMaestro.open();
}

void TDMBase::QuitaFiltro() {
    QMaestro.close();
    QMaestro.setSelectSql(selectInicial_);
    QMaestro.open();
}

void TDMBase::CompruebaClave(db::Field& field, const QString& tabla) {
    if (field.dataSet().state() != db::DataSet::State::Insert)
        return;
    const QString clave = field.asString();
    if (clave.isEmpty())
        throw tributra::Error(QStringLiteral("Campo clave vacío"));
    QGen.close();
    QGen.setSql(QStringLiteral("Select %1 from %2 where %1 = :CLAVE").arg(field.name(), tabla));
    QGen.setParam(QStringLiteral("CLAVE"), clave);
    QGen.execute();
    const bool exists = !QGen.eof();
    QGen.close();
    QGen.transaction().commit();
    if (exists)
        throw tributra::Error(QStringLiteral("Clave existente, no se puede duplicar."));
}

void TDMBase::FormatoImportes(db::DataSet& dataSet) {
    for (db::Field* f : dataSet.fields())
        if (f->type() == db::FieldType::Float) {
            f->setDisplayFormat(QStringLiteral("#,###,###,##0.00"));
            f->setEditFormat(QStringLiteral("##########.##"));
        }
}

void TDMBase::InicializaCampos(db::DataSet& dataSet) {
    FormatoImportes(dataSet); // first: the controls show the zeros with them
    for (db::Field* f : dataSet.fields()) {
        switch (f->type()) {
        case db::FieldType::Float:
            f->setAsFloat(0);
            break;
        case db::FieldType::Integer:
        case db::FieldType::SmallInt:
            f->setAsInteger(0);
            break;
        default:
            break;
        }
    }
}

int TDMBase::EmpresaContable(int ejercicio) {
    xEmpresa.close();
    xEmpresa.setParam(QStringLiteral("EJERCICIO"), ejercicio);
    xEmpresa.execute();
    const int empresa = xEmpresa.eof() ? 0 : xEmpresa.field(QStringLiteral("EMPRESA")).asInteger();
    xEmpresa.close();
    xEmpresa.transaction().commit();
    return empresa;
}

void TDMBase::MuestraErrores() {
    DMMain.prompts().showErrors(framework::errorListText(QDir::currentPath()));
}

void TDMBase::CopiaFichero(const QString& nombre) {
    framework::Prompts& prompts = DMMain.prompts();
    if (!prompts.question(QStringLiteral("¿ Desea copiar el fichero creado a disquete ?"),
                          QStringLiteral("Confirmación"), framework::Prompts::Icon::Stop))
        return;
    const QString target = prompts.saveFileName(
        {QStringLiteral("Copiar fichero ") + nombre, platform::nativePath(QStringLiteral("A:\\")),
         nombre, QStringLiteral("Fichero TXT (*.txt)|*.txt"), QStringLiteral("txt")});
    if (target.isEmpty())
        return;
    const QString fallo =
        platform::replaceFile(QDir(DMMain.DirectorioTrabajo()).filePath(nombre), target);
    if (!fallo.isEmpty())
        prompts.information(QStringLiteral("No se puede guardar el fichero\n") + fallo);
}

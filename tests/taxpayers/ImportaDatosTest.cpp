#include "QtPrinters.h"
#include "TestMain.h"
#include "db/Error.h"
#include "db/Statement.h"
#include "taxpayers/ReferenceImport.h"
#include "taxpayers/TFMImportaDatos.h"
#include "util/Oem850.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using taxpayers::ReferenceFile;
using taxpayers::ReferenceImport;

// The line's parameters as "NAME=value", in order; empty when the line stores nothing.
QStringList split(ReferenceFile file, const QString& line) {
    QStringList out;
    if (const auto stored = taxpayers::splitReferenceLine(file, line))
        for (const auto& [name, value] : stored->params)
            out << name + u'=' + value.toString();
    return out;
}

TEST(ReferenceLineTest, EachFileTakesItsFieldsFromItsPositions) {
    const QString longCountry = QStringLiteral("ESP") + QString(77, u'X');
    struct Case {
        ReferenceFile file;
        QString line;
        QStringList params;
    } cases[] = {
        {ReferenceFile::Delegaciones,
         QStringLiteral("   04ALMERIA"),
         {QStringLiteral("DELEGACION=04"), QStringLiteral("TITULO=ALMERIA")}},
        {ReferenceFile::Delegaciones,
         QStringLiteral("04600ALMERIA"),
         {QStringLiteral("ADMINISTRACION=04600"), QStringLiteral("DELEGACION=04"),
          QStringLiteral("TITULO=ALMERIA")}},
        {ReferenceFile::Delegaciones,
         QStringLiteral("   0"),
         {QStringLiteral("DELEGACION=0"), QStringLiteral("TITULO=")}},
        {ReferenceFile::Delegaciones,
         QStringLiteral("046"),
         {QStringLiteral("ADMINISTRACION=046"), QStringLiteral("DELEGACION=04"),
          QStringLiteral("TITULO=")}},
        {ReferenceFile::Epigrafes,
         QStringLiteral("A0111 Cultivo "),
         {QStringLiteral("EPIGRAFE=A0111"), QStringLiteral("TITULO= Cultivo ")}},
        {ReferenceFile::Siglas,
         QStringLiteral("CLCALLE"),
         {QStringLiteral("SIGLAS=CL"), QStringLiteral("TITULO=CALLE")}},
        {ReferenceFile::Siglas,
         QStringLiteral("C"),
         {QStringLiteral("SIGLAS=C"), QStringLiteral("TITULO=")}},
        {ReferenceFile::Siglas, QString(), {}},
        {ReferenceFile::Siglas, QStringLiteral("   "), {}},
        {ReferenceFile::Paises,
         QStringLiteral("ESPESPAÑA"),
         {QStringLiteral("pais=ESP"), QStringLiteral("TITULO=ESPAÑA")}},
        {ReferenceFile::Paises,
         longCountry,
         {QStringLiteral("pais=ESP"), QStringLiteral("TITULO=") + QString(64, u'X')}},
        {ReferenceFile::Paises,
         QStringLiteral("ES"),
         {QStringLiteral("pais=ES"), QStringLiteral("TITULO=")}},
        {ReferenceFile::Cnae,
         QStringLiteral("0111       Cultivo de cereales  "),
         {QStringLiteral("codigo=111"), QStringLiteral("descripcion=Cultivo de cereales")}},
        {ReferenceFile::Cnae,
         QStringLiteral("9999"),
         {QStringLiteral("codigo=9999"), QStringLiteral("descripcion=")}},
        {ReferenceFile::Cnae, QStringLiteral("0000       Sin actividad"), {}},
        {ReferenceFile::Cnae, QStringLiteral("SECCION A: AGRICULTURA"), {}},
        {ReferenceFile::Cnae, QStringLiteral(" 111       Tres cifras"), {}},
        {ReferenceFile::Cnae, QStringLiteral("01A1       No numerico"), {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(split(c.file, c.line), c.params) << c.line.toStdString();
}

TEST(Oem850Test, TheDosBytesBecomeTheirCharacters) {
    EXPECT_EQ(util::fromOem850(QByteArray("\xA5\xA4\xA0\x82\xA1\xA2\xA3\x80\x87", 9)),
              QStringLiteral("ÑñáéíóúÇç"));
    EXPECT_EQ(util::fromOem850(QByteArray("A z\xB5\xE0\xFF\xB0", 7)),
              QStringLiteral("A zÁÓ") + QChar(0x00A0) + QChar(0x2591));
}

class ImportaDatosTest : public ::testing::Test {
protected:
    TestMain test;
    TempDir files;

    // Lines in the DOS code page, each ended by CR LF.
    void write(const char* name, const std::vector<QByteArray>& lines) {
        QFile f(files.file(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (const QByteArray& line : lines)
            f.write(line + "\r\n");
    }
    void writeAll() {
        write("Admon.tab", {"   04ALMERIA", "04600ALMERIA",
                            "   15A CORU\xA5"
                            "A"});
        write("Epigrafe.tab", {"A0111Cultivo de cereales", "A0112Cultivo de hortalizas"});
        write("Siglas.tab", {"ZZZONA", "", "ZYZONA Y"});
        write("Paises.txt", {"ESPESPA\xA5"
                             "A",
                             QByteArray("FRA") + QByteArray(77, 'F')});
        write("cnae.txt", {"CODIGO     DESCRIPCION", "0000       Sin actividad",
                           "0111       Cultivo de cereales   "});
    }
    std::vector<std::pair<ReferenceFile, QString>> paths() const {
        const QString folder = ReferenceImport::folder(files.path());
        return {{ReferenceFile::Delegaciones, folder + QStringLiteral("Admon.tab")},
                {ReferenceFile::Epigrafes, folder + QStringLiteral("Epigrafe.tab")},
                {ReferenceFile::Siglas, folder + QStringLiteral("Siglas.tab")},
                {ReferenceFile::Paises, folder + QStringLiteral("Paises.txt")},
                {ReferenceFile::Cnae, folder + QStringLiteral("cnae.txt")}};
    }
    void import(const ReferenceImport::Progress& progress = [](const QString&, int) {
        return true;
    }) {
        ReferenceImport(test.main.Database, test.main.TLocal).run(paths(), progress);
    }
    // The first column of the first row, empty when there is none.
    QString value(const char* sql, const QVariant& key = {}) {
        db::Statement q(test.main.Database, test.main.TLocal);
        q.setSql(QString::fromLatin1(sql));
        if (key.isValid())
            q.setParam(QStringLiteral("K"), key);
        q.execute();
        return q.eof() ? QString() : q.field(0).asString();
    }
};

TEST_F(ImportaDatosTest, EveryFileStoresItsLinesUnderTheirCodes) {
    writeAll();
    QStringList progress;
    import([&](const QString& path, int remaining) {
        progress << QFileInfo(path).fileName() + u' ' + QString::number(remaining);
    return true;
});
EXPECT_EQ(value("select TITULO from T_DELEGACIONES where DELEGACION = :K", "04"),
          QStringLiteral("ALMERIA"));
EXPECT_EQ(value("select TITULO from T_DELEGACIONES where DELEGACION = :K", "15"),
          QStringLiteral("A CORUÑA"));
EXPECT_EQ(value("select DELEGACION || TITULO from T_ADMINISTRACIONES "
                "where ADMINISTRACION = :K",
                "04600"),
          QStringLiteral("04ALMERIA"));
EXPECT_EQ(value("select TITULO from T_EPIGRAFES where EPIGRAFE = :K", "A0112"),
          QStringLiteral("Cultivo de hortalizas"));
EXPECT_EQ(value("select TITULO from T_SIGLAS where SIGLAS = :K", "ZY"), QStringLiteral("ZONA Y"));
EXPECT_EQ(value("select count(*) from T_SIGLAS where SIGLAS = ''"), QStringLiteral("0"))
    << "the empty line stores nothing";
EXPECT_EQ(value("select TITULO from T_PAISES where PAIS = :K", "ESP"), QStringLiteral("ESPAÑA"));
EXPECT_EQ(value("select TITULO from T_PAISES where PAIS = :K", "FRA"), QString(64, u'F'));
EXPECT_EQ(value("select count(*) || ' ' || max(DESCRIPCION) from CNAE"),
          QStringLiteral("1 Cultivo de cereales"));
// The count of each file less one, then down by one per line.
EXPECT_EQ(progress.mid(0, 5), (QStringList{"Admon.tab 2", "Admon.tab 1", "Admon.tab 0",
                                           "Epigrafe.tab 1", "Epigrafe.tab 0"}));
EXPECT_EQ(progress.size(), 3 + 2 + 3 + 2 + 3);

test.main.TLocal.rollback();
EXPECT_EQ(value("select TITULO from T_PAISES where PAIS = :K", "ESP"), QStringLiteral("ESPAÑA"))
    << "every line was committed";
} // namespace

TEST_F(ImportaDatosTest, ARepeatedImportReplacesTheRows) {
    writeAll();
    import();
    write("cnae.txt", {"0111       Cereales"});
    write("Siglas.tab", {"ZZZONA NUEVA"});
    import();
    EXPECT_EQ(value("select count(*) || ' ' || max(DESCRIPCION) from CNAE"),
              QStringLiteral("1 Cereales"));
    EXPECT_EQ(value("select TITULO from T_SIGLAS where SIGLAS = :K", "ZZ"),
              QStringLiteral("ZONA NUEVA"));
    EXPECT_EQ(value("select count(*) from T_DELEGACIONES where DELEGACION = :K", "04"),
              QStringLiteral("1"));
}

TEST_F(ImportaDatosTest, ACancelDuringTheHeadingsLeavesTheLaterFilesUntouched) {
    writeAll();
    import([](const QString& path, int remaining) {
        return !(path.endsWith(QStringLiteral("Epigrafe.tab")) && remaining == 0);
});
EXPECT_EQ(value("select TITULO from T_DELEGACIONES where DELEGACION = :K", "15"),
          QStringLiteral("A CORUÑA"));
EXPECT_EQ(value("select count(*) from T_EPIGRAFES"), QStringLiteral("1"));
EXPECT_EQ(value("select count(*) from T_SIGLAS where SIGLAS starting with 'Z'"),
          QStringLiteral("0"));
EXPECT_EQ(value("select count(*) from T_PAISES"), QStringLiteral("0"));
EXPECT_EQ(value("select count(*) from CNAE"), QStringLiteral("0"));
}

TEST_F(ImportaDatosTest, AMissingFileIsSkipped) {
    write("Siglas.tab", {"ZZZONA"});
    import();
    EXPECT_EQ(value("select TITULO from T_SIGLAS where SIGLAS = :K", "ZZ"), QStringLiteral("ZONA"));
}

TEST_F(ImportaDatosTest, AFailingLineStopsTheImportKeepingTheLinesBefore) {
    write("Epigrafe.tab", {"A0001uno", QByteArray("A0002") + QByteArray(1100, 'x'), "A0003tres"});
    write("Siglas.tab", {"ZZZONA"});
    EXPECT_THROW(import(), db::Error);
    test.main.TLocal.rollback();
    EXPECT_EQ(value("select list(EPIGRAFE) from T_EPIGRAFES"), QStringLiteral("A0001"));
    EXPECT_EQ(value("select count(*) from T_SIGLAS where SIGLAS = :K", "ZZ"), QStringLiteral("0"));
}

TEST_F(ImportaDatosTest, AFolderGetsOneFinalSeparator) {
    const QString sep = QDir::separator();
    EXPECT_EQ(ReferenceImport::folder(QStringLiteral(" /datos ")), QStringLiteral("/datos") + sep);
    EXPECT_EQ(ReferenceImport::folder(QStringLiteral("/datos") + sep),
              QStringLiteral("/datos") + sep);
}

class TFMImportaDatosTest : public ImportaDatosTest {
protected:
    TFMImportaDatos dialog{test.main};
};

TEST_F(TFMImportaDatosTest, ImportsFromTheChosenFolderAndCloses) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Importación ficheros auxiliares de texto"));
    EXPECT_FALSE(dialog.BtCancelar->isEnabled());
    EXPECT_EQ(dialog.edCNAE->text(), QStringLiteral("cnae.txt"));
    writeAll();
    test.prompts.answerFile(files.path());
    dialog.sbUbica->click();
    EXPECT_EQ(test.prompts.log(), QStringList{"folder Seleccione carpeta importación"});
    dialog.EdSiglas->setText(QStringLiteral(" Siglas.tab "));
    dialog.BtImportar->click();
    const QString folder = files.path() + QDir::separator();
    EXPECT_EQ(dialog.EdUbicacion->text(), folder);
    EXPECT_EQ(dialog.EdSiglas->text(), folder + QStringLiteral("Siglas.tab"));
    EXPECT_EQ(dialog.EdFic->text(), folder + QStringLiteral("cnae.txt"));
    EXPECT_EQ(value("select TITULO from T_SIGLAS where SIGLAS = :K", "ZZ"), QStringLiteral("ZONA"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(TFMImportaDatosTest, CancelAsksAndStopsBeforeTheNextLine) {
    writeAll();
    dialog.EdUbicacion->setText(files.path());
    test.prompts.answer(true);
    QTimer::singleShot(0, dialog.BtCancelar, &QPushButton::click);
    dialog.BtImportar->click();
    EXPECT_EQ(test.prompts.log(),
              QStringList{"question Confirmación: ¿ Desea interrumpir la importación ?"});
    EXPECT_EQ(value("select count(*) from T_DELEGACIONES where DELEGACION = :K", "04"),
              QStringLiteral("0"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(TFMImportaDatosTest, AnErrorIsShownAndTheDialogStaysDisabled) {
    write("Siglas.tab", {QByteArray("ZZ") + QByteArray(1100, 'x')});
    dialog.EdUbicacion->setText(files.path());
    dialog.show();
    dialog.BtImportar->click();
    ASSERT_EQ(test.prompts.log().size(), 1);
    EXPECT_TRUE(test.prompts.log()[0].startsWith(QStringLiteral("error: ")));
    EXPECT_FALSE(dialog.BtImportar->isEnabled());
    EXPECT_FALSE(dialog.BtCancelar->isEnabled());
    EXPECT_TRUE(dialog.isVisible());
}

} // namespace

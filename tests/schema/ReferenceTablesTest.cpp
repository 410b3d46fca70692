// The reference tables a new system database comes with, and the view of a taxpayer's
// tax office. Expected codes and names are the public ones: the statistics office's
// province codes, ISO 3166-1, the VAT prefixes of the member states of 2018 and the keys
// of the agency's record designs.
#include "QtPrinters.h"
#include "TempDir.h"
#include "TestDatabase.h"
#include "db/Statement.h"
#include "db/Transaction.h"

#include <QVariant>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

class ReferenceTablesTest : public ::testing::Test {
protected:
    TempDir dir;
    TestDatabase test{dir};
    db::Transaction transaction{test.database()};

    // The first column of every row.
    QStringList column(const QString& sql) {
        db::Statement q(test.database(), transaction);
        q.setSql(sql);
        q.execute();
        QStringList values;
        for (; !q.eof(); q.next())
            values << q.field(0).asString();
        return values;
    }

    db::Value single(const QString& sql) {
        db::Statement q(test.database(), transaction);
        q.setSql(sql);
        q.execute();
        return q.eof() ? db::Value() : q.field(0);
    }

    void addTaxpayer(int number, const QString& name, const QVariant& office) {
        db::Statement q(test.database(), transaction);
        q.setSql(QStringLiteral("insert into T_CONTRIBUYENTES (CONTRIBUYENTE, APELLIDOS, TITULO, "
                                "ADMINISTRACION) values (:CONTRIBUYENTE, :TITULO, :TITULO, "
                                ":ADMINISTRACION)"));
        q.setParam(QStringLiteral("CONTRIBUYENTE"), number);
        q.setParam(QStringLiteral("TITULO"), name);
        q.setParam(QStringLiteral("ADMINISTRACION"), office);
        q.execute();
    }
};

TEST_F(ReferenceTablesTest, ListsAreWhole) {
    const std::pair<const char*, int> cases[] = {
        {"select count(*) from T_PROVINCIAS", 52},
        // two digits from 01 to 52 and nothing else: Ceuta and Melilla included
        {"select count(*) from T_PROVINCIAS where PROVINCIA between '01' and '52' and "
         "char_length(PROVINCIA) = 2",
         52},
        {"select count(*) from T_PAISES_STD", 249},
        {"select count(*) from T_PAISES_STD where char_length(PAIS) = 2 and PAIS = upper(PAIS)",
         249},
        {"select count(*) from T_INTRACOMUNITARIOS", 28},
        {"select count(*) from T_CLAVES_PERCEPCION", 12},
        {"select count(*) from T_SUBCLAVES where CLAVE = 'L'", 27},
        {"select count(*) from T_CLAVES_OP where CLAVE = ' '", 1},
    };
    for (const auto& [sql, count] : cases) {
        SCOPED_TRACE(sql);
        EXPECT_EQ(single(QString::fromUtf8(sql)).asInteger(), count);
    }
}

TEST_F(ReferenceTablesTest, LookupsGiveTheTitleOfTheirCode) {
    struct Case {
        const char* sql;
        const char* title;
    };
    const Case cases[] = {
        {"select TITULO from T_PROVINCIAS where PROVINCIA = '28'", "MADRID"},
        {"select TITULO from T_PROVINCIAS where PROVINCIA = '30'", "MURCIA"},
        {"select TITULO from T_PROVINCIAS where PROVINCIA = '51'", "CEUTA"},
        {"select TITULO from T_PROVINCIAS where PROVINCIA = '52'", "MELILLA"},
        {"select TITULO from T_PROVINCIAS where PROVINCIA = '01'", "ALAVA"},
        {"select TITULO from T_PROVINCIAS where PROVINCIA = '15'", "A CORUÑA"},
        {"select TITULO from T_PROVINCIAS where PROVINCIA = '38'", "SANTA CRUZ DE TENERIFE"},
        {"select TITULO from T_PROVINCIAS where PROVINCIA = '48'", "BIZKAIA"},
        {"select NOMBRE from T_PAISES_STD where PAIS = 'ES'", "ESPAÑA"},
        {"select NOMBRE from T_PAISES_STD where PAIS = 'GR'", "GRECIA"},
        {"select NOMBRE from T_PAISES_STD where PAIS = 'GB'", "REINO UNIDO"},
        {"select NOMBRE from T_PAISES_STD where PAIS = 'US'", "ESTADOS UNIDOS"},
        {"select NOMBRE from T_PAISES_STD where PAIS = 'MA'", "MARRUECOS"},
        {"select NOMBRE from T_PAISES_STD where PAIS = 'PE'", "PERÚ"},
        {"select TITULO from T_INTRACOMUNITARIOS where CODIGO = 'EL'", "GRECIA"},
        {"select TITULO from T_INTRACOMUNITARIOS where CODIGO = 'GB'", "REINO UNIDO"},
        {"select TITULO from T_SIGLAS where SIGLAS = 'CL'", "CALLE"},
        {"select TITULO from T_SIGLAS where SIGLAS = 'AV'", "AVENIDA"},
        {"select TITULO from T_SIGLAS where SIGLAS = 'PZ'", "PLAZA"},
        {"select TITULO from T_SIGLAS where SIGLAS = 'PS'", "PASEO"},
        {"select TITULO from T_SIGLAS where SIGLAS = 'CR'", "CARRETERA"},
        {"select TITULO from T_SIGLAS where SIGLAS = 'CM'", "CAMINO"},
        {"select TITULO from T_SIGLAS where SIGLAS = 'TR'", "TRAVESÍA"},
        {"select NOMBRE from T_CLAVES_OP where CLAVE = ' '", "Operación habitual"},
        {"select NOMBRE from T_CLAVES_OP where CLAVE = 'D'", "Factura rectificativa"},
        {"select NOMBRE from T_CLAVES_OP where CLAVE = 'P'",
         "Adquisiciones intracomunitarias de bienes"},
        {"select NOMBRE from T_CLAVES_OP where CLAVE = 'I'", "Inversión del sujeto pasivo"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        EXPECT_EQ(single(QString::fromUtf8(c.sql)).asString(), QString::fromUtf8(c.title));
    }
}

TEST_F(ReferenceTablesTest, ProvinceNamesCanBeTypedInTheRegister) {
    // The register refuses accented vowels, and a taxpayer's province is found by its name.
    for (const QString& name : column(QStringLiteral("select TITULO from T_PROVINCIAS"))) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(name, name.toUpper());
        for (const QChar c : QStringLiteral("ÁÉÍÓÚÀÈÌÒÙÜ"))
            EXPECT_FALSE(name.contains(c));
    }
}

TEST_F(ReferenceTablesTest, MemberStatesAreThoseOf2018ByTheirVatPrefix) {
    EXPECT_EQ(column(QStringLiteral("select CODIGO from T_INTRACOMUNITARIOS order by CODIGO")),
              QStringList({"AT", "BE", "BG", "CY", "CZ", "DE", "DK", "EE", "EL", "ES",
                           "FI", "FR", "GB", "HR", "HU", "IE", "IT", "LT", "LU", "LV",
                           "MT", "NL", "PL", "PT", "RO", "SE", "SI", "SK"}));
    // Apart from Greece, a member state's prefix is its country code, under the same name.
    EXPECT_EQ(
        single(QStringLiteral("select count(*) from T_INTRACOMUNITARIOS i join T_PAISES_STD p "
                              "on p.PAIS = i.CODIGO and p.NOMBRE = i.TITULO"))
            .asInteger(),
        27);
    EXPECT_TRUE(single(QStringLiteral("select PAIS from T_PAISES_STD where PAIS = 'EL'")).isNull());
}

TEST_F(ReferenceTablesTest, PerceptionKeysAndTheirSubkeys) {
    EXPECT_EQ(column(QStringLiteral("select CLAVE from T_CLAVES_PERCEPCION order by CLAVE")),
              QStringList({"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L"}));
    // B, F, G, H and L need a subkey 01, the one a captured recipient of theirs gets.
    const std::pair<const char*, QStringList> cases[] = {
        {"A", {}},
        {"B", {"01", "02", "03"}},
        {"C", {}},
        {"D", {}},
        {"E", {"01", "02", "03", "04"}},
        {"F", {"01", "02"}},
        {"G", {"01", "02", "03"}},
        {"H", {"01", "02", "03", "04"}},
        {"I", {"01", "02"}},
        {"J", {}},
        {"K", {"01", "02"}},
    };
    for (const auto& [key, subkeys] : cases) {
        SCOPED_TRACE(key);
        EXPECT_EQ(column(QStringLiteral("select SUBCLAVE from T_SUBCLAVES where CLAVE = '%1' order "
                                        "by SUBCLAVE")
                             .arg(QLatin1String(key))),
                  subkeys);
    }
    const std::pair<const char*, const char*> titles[] = {
        {"select TITULO from T_CLAVES_PERCEPCION where CLAVE = 'A'", "cuenta ajena"},
        {"select TITULO from T_CLAVES_PERCEPCION where CLAVE = 'D'", "pago único"},
        {"select TITULO from T_CLAVES_PERCEPCION where CLAVE = 'E'", "onsejeros"},
        {"select TITULO from T_CLAVES_PERCEPCION where CLAVE = 'G'", "profesionales"},
        {"select TITULO from T_SUBCLAVES where CLAVE = 'L' and SUBCLAVE = '01'", "Dietas"},
        {"select TITULO from T_SUBCLAVES where CLAVE = 'L' and SUBCLAVE = '05'", "despido"},
        {"select TITULO from T_SUBCLAVES where CLAVE = 'L' and SUBCLAVE = '10'", "Becas"},
        {"select TITULO from T_SUBCLAVES where CLAVE = 'B' and SUBCLAVE = '02'", "89.A"},
    };
    for (const auto& [sql, part] : titles) {
        SCOPED_TRACE(sql);
        EXPECT_TRUE(single(QString::fromUtf8(sql)).asString().contains(QString::fromUtf8(part)));
    }
}

TEST_F(ReferenceTablesTest, OperationKeysCoverEveryKeyTheCaptureWrites) {
    const QStringList keys = column(QStringLiteral("select CLAVE from T_CLAVES_OP"));
    for (const char* key : {" ", "C", "I", "N", "P", "Q", "R", "X", "Z", "2", "8"}) {
        SCOPED_TRACE(key);
        EXPECT_TRUE(keys.contains(QLatin1String(key)));
    }
    EXPECT_EQ(single(QStringLiteral("select count(*) from T_CLAVES_OP where NOMBRE is null or "
                                    "trim(NOMBRE) = ''"))
                  .asInteger(),
              0);
}

TEST_F(ReferenceTablesTest, EveryTaxpayerHasItsTaxOfficeRow) {
    addTaxpayer(1, QStringLiteral("TALLERES IBÁÑEZ SL"), QStringLiteral("30601"));
    addTaxpayer(2, QStringLiteral("GARCIA PEREZ LUIS"), QVariant());
    addTaxpayer(3, QStringLiteral("CONSTRUCCIONES NORTE SA"), QStringLiteral("99999"));

    db::Statement q(test.database(), transaction);
    q.setSql(QStringLiteral(
        "select * from VER_AGENCIA_TRIBUTARIA where contribuyente = :contribuyente"));
    q.prepare();
    const std::pair<const char*, int> sizes[] = {
        {"NOMBRE", 50}, {"ADMINISTRACION", 5}, {"TITULO_ADMON", 32}, {"DELEGACION", 32}};
    for (const auto& [name, size] : sizes) {
        SCOPED_TRACE(name);
        const int index = q.columnIndex(QLatin1String(name));
        ASSERT_GE(index, 0);
        EXPECT_EQ(q.columns()[index].size, size);
    }

    struct Case {
        int taxpayer;
        const char* name;
        const char* office; // nullptr: NULL
        const char* officeTitle;
        const char* delegation;
    };
    const Case cases[] = {
        {1, "TALLERES IBÁÑEZ SL", "30601", "CARTAGENA", "MURCIA"},
        {2, "GARCIA PEREZ LUIS", nullptr, nullptr, nullptr},
        {3, "CONSTRUCCIONES NORTE SA", "99999", nullptr, nullptr},
    };
    auto expectText = [&](const char* column, const char* expected) {
        SCOPED_TRACE(column);
        const db::Value v = q.field(QLatin1String(column));
        if (expected == nullptr)
            EXPECT_TRUE(v.isNull());
        else
            EXPECT_EQ(v.asString(), QString::fromUtf8(expected));
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.taxpayer);
        q.setParam(QStringLiteral("contribuyente"), c.taxpayer);
        q.execute();
        ASSERT_FALSE(q.eof());
        EXPECT_EQ(q.field(QStringLiteral("CONTRIBUYENTE")).asInteger(), c.taxpayer);
        expectText("NOMBRE", c.name);
        expectText("ADMINISTRACION", c.office);
        expectText("TITULO_ADMON", c.officeTitle);
        expectText("DELEGACION", c.delegation);
        q.next();
        EXPECT_TRUE(q.eof()) << "one row a taxpayer";
        q.close();
    }
    EXPECT_EQ(single(QStringLiteral("select count(*) from VER_AGENCIA_TRIBUTARIA")).asInteger(), 3);
}

TEST_F(ReferenceTablesTest, SpanishLettersAreOneWindows1252ByteEach) {
    // Scripts saved in another encoding would read "Ã‘" for "Ñ" and store two characters.
    struct Case {
        const char* sql;
        const char* text;
    };
    const Case cases[] = {
        {"select TITULO, octet_length(TITULO) from T_PROVINCIAS where PROVINCIA = '15'",
         "A CORUÑA"},
        {"select NOMBRE, octet_length(NOMBRE) from T_PAISES_STD where PAIS = 'AX'", "ISLAS ÅLAND"},
        {"select TITULO, octet_length(TITULO) from T_INTRACOMUNITARIOS where CODIGO = 'HU'",
         "HUNGRÍA"},
        {"select TITULO, octet_length(TITULO) from T_SIGLAS where SIGLAS = 'UR'", "URBANIZACIÓN"},
        {"select NOMBRE, octet_length(NOMBRE) from T_CLAVES_OP where CLAVE = 'Q'",
         "Régimen especial de bienes usados, objetos de arte, antigüedades y objetos de colección"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        db::Statement q(test.database(), transaction);
        q.setSql(QString::fromUtf8(c.sql));
        q.execute();
        ASSERT_FALSE(q.eof());
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(q.field(0).asString(), text);
        EXPECT_EQ(q.field(1).asInteger(), text.size());
    }
}

} // namespace

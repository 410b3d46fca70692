#include "framework/Lookup.h"
#include "QtPrinters.h"
#include "TDMPrueba.h"
#include "TestMain.h"
#include "framework/SearchQuery.h"

#include <gtest/gtest.h>

namespace {

Lookup taxpayers(const QString& condition = {}) {
    return {QStringLiteral("T_PRUEBA "),
            {QStringLiteral(" CODIGO"), QStringLiteral("TITULO ")},
            QStringLiteral("CODIGO"),
            QStringLiteral("TITULO"),
            condition};
}

TEST(Lookup, TheSearchStatementListsTheColumnsOfTheTable) {
    EXPECT_EQ(taxpayers().ConsultaBusqueda(),
              QStringLiteral("SELECT CODIGO,TITULO FROM T_PRUEBA "));
    EXPECT_EQ(taxpayers(QStringLiteral("N = 1")).ConsultaBusqueda(),
              QStringLiteral("SELECT CODIGO,TITULO FROM T_PRUEBA  WHERE N = 1"));
}

TEST(SearchQuery, FiltersByAPrefixOfTheSearchColumn) {
    SearchQuery q(QStringLiteral("SELECT CODIGO,TITULO FROM T_PRUEBA "));
    EXPECT_TRUE(q.EstableceCampo(QStringLiteral("CODIGO")));
    EXPECT_FALSE(q.EstableceCampo(QStringLiteral("codigo")))
        << "the same column again changes nothing";
    EXPECT_EQ(
        q.select(),
        QStringLiteral(
            "SELECT CODIGO,TITULO FROM T_PRUEBA \nWHERE CODIGO LIKE :VALOR\nORDER BY CODIGO"));
    SearchQuery filtered(QStringLiteral("SELECT A FROM T WHERE B = 1"));
    filtered.EstableceCampo(QStringLiteral("A"));
    EXPECT_EQ(filtered.select(),
              QStringLiteral("SELECT A FROM T WHERE B = 1\n And A LIKE :VALOR\nORDER BY A"));

    struct Case {
        const char* typed;
        int size;
        const char* valor;
        const char* shown;
    };
    const Case cases[] = {{"", 5, "%", ""},
                          {"GAR", 5, "GAR%", "GAR"},
                          {"GARCI", 5, "GARCI", "GARCI"},
                          {"GARCIAS", 5, "GARCI", "GARCI"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const auto v = SearchQuery::valueFor(QString::fromLatin1(c.typed), c.size);
        EXPECT_EQ(v.valor, QString::fromLatin1(c.valor));
        EXPECT_EQ(v.text, QString::fromLatin1(c.shown));
    }
}

TEST(Lookup, DescribesACodeWithoutPastingItIntoTheStatement) {
    TestMain test{kPruebaSetup};
    const Lookup lookup = taxpayers();
    EXPECT_EQ(lookup.describe(test.main.Database, test.main.TLocal, QStringLiteral("12")),
              QStringLiteral("GARCIA PEREZ"));
    EXPECT_EQ(lookup.describe(test.main.Database, test.main.TLocal, QStringLiteral("99")),
              QString());
    Lookup byName{QStringLiteral("T_PRUEBA"),
                  {QStringLiteral("TITULO"), QStringLiteral("CODIGO")},
                  QStringLiteral("TITULO"),
                  QStringLiteral("CODIGO"),
                  {}};
    EXPECT_EQ(byName.describe(test.main.Database, test.main.TLocal, QStringLiteral("O'BRIEN")),
              QStringLiteral("2"));
    EXPECT_EQ(byName.describe(test.main.Database, test.main.TLocal, QStringLiteral("x' or '1'='1")),
              QString());
}

} // namespace

// The VAT settlements of model 303, the VAT book as models 347, 390 and 340 read it, the
// chart's tax numbers, and the intra-community operations of model 349.
#include "AccountingFixture.h"

#include <QMap>

namespace {

class AccountingVatTest : public AccountingTest {
protected:
    // A sum over the register rows of 2018 between two dates that meet the condition.
    double book(const QString& expression, const QString& condition, const QDate& from,
                const QDate& to) {
        return value(QStringLiteral("select sum(%1) from T_REGISTRO_IVA where EMPRESA = :E and "
                                    "EJERCICIO = 2018 and FECHA between :F and :T and %2")
                         .arg(expression, condition),
                     {{QStringLiteral("E"), company(2018)},
                      {QStringLiteral("F"), from},
                      {QStringLiteral("T"), to}});
    }

    // A sum over the lines of the invoices' entries between two dates.
    double invoiceLines(const QString& expression, const QString& condition, const QDate& from,
                        const QDate& to) {
        return value(QStringLiteral("select sum(a.%1) from T_APUNTES a join T_REGISTRO_IVA r on "
                                    "r.EMPRESA = a.EMPRESA and r.EJERCICIO = a.EJERCICIO and "
                                    "r.ASIENTO = a.ASIENTO where a.EMPRESA = :E and a.EJERCICIO = "
                                    "2018 and r.FECHA between :F and :T and %2")
                         .arg(expression, condition),
                     {{QStringLiteral("E"), company(2018)},
                      {QStringLiteral("F"), from},
                      {QStringLiteral("T"), to}});
    }

    std::unique_ptr<db::DataSet> settlement(const QString& period) {
        return open(QStringLiteral("select * from T_LIQUIDACIONES_IVA where empresa = :empresa and "
                                   "ejercicio = :ejercicio and periodo = :periodo"),
                    {{QStringLiteral("EMPRESA"), company(2018)},
                     {QStringLiteral("EJERCICIO"), 2018},
                     {QStringLiteral("PERIODO"), period}});
    }
};

// What the quarterly return copies, and where the register keeps it.
struct SettlementCase {
    const char* column;
    const char* expression;
    const char* condition;
};

const SettlementCase kSettlement[] = {
    // The return's rows are the register's slots: 21, 10 and 4 %.
    {"BASE1", "BASE1", "TIPOREGISTRO = 'R' and TIPOIVA = '0'"},
    {"CUOTA1", "IVA1", "TIPOREGISTRO = 'R' and TIPOIVA = '0'"},
    {"BASE2", "BASE2", "TIPOREGISTRO = 'R' and TIPOIVA = '0'"},
    {"CUOTA2", "IVA2", "TIPOREGISTRO = 'R' and TIPOIVA = '0'"},
    {"BASE3", "BASE3", "TIPOREGISTRO = 'R' and TIPOIVA = '0'"},
    {"CUOTA3", "IVA3", "TIPOREGISTRO = 'R' and TIPOIVA = '0'"},
    {"BASE_REC1", "BASE_REC1", "TIPOREGISTRO = 'R'"},
    {"CUOTA_REC1", "IVA_REC1", "TIPOREGISTRO = 'R'"},
    {"BASE_ADQ_CEE", "BASE1 + BASE2 + BASE3", "TIPOREGISTRO = 'S' and TIPOIVA in ('2', '6')"},
    {"CUOTA_ADQ_CEE", "IVA1 + IVA2 + IVA3", "TIPOREGISTRO = 'S' and TIPOIVA in ('2', '6')"},
    // Reverse-charge purchases are accrued and deducted as current domestic ones.
    {"BASE_ISP", "BASE1 + BASE2 + BASE3", "TIPOREGISTRO = 'S' and TIPOIVA = '5'"},
    {"CUOTA_ISP", "IVA1 + IVA2 + IVA3", "TIPOREGISTRO = 'S' and TIPOIVA = '5'"},
    {"BASE_OP_INT", "BASE1 + BASE2 + BASE3", "TIPOREGISTRO = 'S' and TIPOIVA in ('0', '5')"},
    {"CUOTA_OP_INT", "IVA1 + IVA2 + IVA3", "TIPOREGISTRO = 'S' and TIPOIVA in ('0', '5')"},
    {"BASE_OP_BIENES_INV", "BASE1 + BASE2 + BASE3", "TIPOREGISTRO = 'S' and TIPOIVA = '4'"},
    {"CUOTA_OP_BIENES_INV", "IVA1 + IVA2 + IVA3", "TIPOREGISTRO = 'S' and TIPOIVA = '4'"},
    {"BASE_CEE_BIENSER", "BASE1 + BASE2 + BASE3", "TIPOREGISTRO = 'S' and TIPOIVA in ('2', '6')"},
    {"CUOTA_CEE_BIENSER", "IVA1 + IVA2 + IVA3", "TIPOREGISTRO = 'S' and TIPOIVA in ('2', '6')"},
    {"ENTREGAS_CEE_BYS", "BASE0", "TIPOREGISTRO = 'R' and TIPOIVA = '5'"},
};

// Every column that the quarterly return copies is there, whatever it holds.
const char* const kCopied[] = {"BASE1",
                               "CUOTA1",
                               "BASE2",
                               "CUOTA2",
                               "BASE3",
                               "CUOTA3",
                               "BASE_REC1",
                               "CUOTA_REC1",
                               "BASE_REC2",
                               "CUOTA_REC2",
                               "BASE_REC3",
                               "CUOTA_REC3",
                               "BASE_ADQ_CEE",
                               "CUOTA_ADQ_CEE",
                               "BASE_ISP",
                               "CUOTA_ISP",
                               "BASE_DEV_INCOBRABLE",
                               "CUOTA_DEV_INCOBRABLE",
                               "BASE_REC_INCOBRABLE",
                               "CUOTA_REC_INCOBRABLE",
                               "BASE_OP_INT",
                               "CUOTA_OP_INT",
                               "BASE_OP_BIENES_INV",
                               "CUOTA_OP_BIENES_INV",
                               "BASE_IMPOR_BIENES",
                               "CUOTA_IMPOR_BIENES",
                               "BASE_IMPOR_INVERSION",
                               "CUOTA_IMPOR_INVERSION",
                               "BASE_CEE_BIENSER",
                               "CUOTA_CEE_BIENSER",
                               "BASE_CEE_INVERSION",
                               "CUOTA_CEE_NVERSION",
                               "BASE_REC_DEDUCIONES",
                               "CUOTA_REC_DEDUCIONES",
                               "CUOTA_COMP_AGP",
                               "CUOTA_REG_INVERSION",
                               "CUOTA_REG_PRORRATA",
                               "ENTREGAS_CEE_BYS",
                               "EXPORTACIONES",
                               "OPERACIONES_ISP",
                               "BASE_ENTREGAS_RECC",
                               "CUOTAS_ENTREGAS_RECC",
                               "BASES_SOPORTADA_RECC",
                               "CUOTAS_SOPORTADA_RECC",
                               "COMPENSAR_ANT",
                               "RDM",
                               "RECC",
                               "DESTINATARIO_CC",
                               "PRORRATA"};

TEST_F(AccountingVatTest, EachQuarterAndMonthIsSettledFromItsInvoices) {
    for (const auto& [period, from, to] :
         {std::tuple("1T", QDate(2018, 1, 1), QDate(2018, 3, 31)),
          std::tuple("3T", QDate(2018, 7, 1), QDate(2018, 9, 30)),
          std::tuple("02", QDate(2018, 2, 1), QDate(2018, 2, 28)),
          std::tuple("12", QDate(2018, 12, 1), QDate(2018, 12, 31))}) {
        auto ds = settlement(QString::fromLatin1(period));
        ASSERT_EQ(ds->recordCount(), 1) << period;
        for (const char* column : kCopied)
            EXPECT_NE(ds->findField(QString::fromLatin1(column)), nullptr) << column;
        for (const SettlementCase& c : kSettlement)
            EXPECT_NEAR(
                ds->field(QString::fromLatin1(c.column)).asFloat(),
                book(QString::fromLatin1(c.expression), QString::fromLatin1(c.condition), from, to),
                kCent)
                << period << ' ' << c.column;
        // The journal agrees: output VAT credited and input VAT debited by the invoices.
        EXPECT_NEAR(ds->field(QStringLiteral("TOTAL_CUOTA_DEVENGADA")).asFloat(),
                    invoiceLines(QStringLiteral("HABER"), QStringLiteral("a.SUBCUENTA like '477%'"),
                                 from, to),
                    kCent)
            << period;
        EXPECT_NEAR(ds->field(QStringLiteral("TOTAL_DEDUCCIONES")).asFloat(),
                    invoiceLines(QStringLiteral("DEBE"), QStringLiteral("a.SUBCUENTA like '472%'"),
                                 from, to),
                    kCent)
            << period;
    }
}

TEST_F(AccountingVatTest, AQuarterSettlesWhatItsMonthsDo) {
    auto quarter = settlement(QStringLiteral("2T"));
    for (const char* column : {"BASE3", "CUOTA3", "BASE_OP_INT", "CUOTA_ADQ_CEE", "RESULTADO_RG"}) {
        double months = 0;
        for (const char* month : {"04", "05", "06"})
            months += settlement(QString::fromLatin1(month))
                          ->field(QString::fromLatin1(column))
                          .asFloat();
        EXPECT_NEAR(quarter->field(QString::fromLatin1(column)).asFloat(), months, kCent) << column;
    }
    EXPECT_GT(quarter->field(QStringLiteral("BASE3")).asFloat(), 0);
}

TEST_F(AccountingVatTest, ThePeriodsSettledAreTheQuartersAndMonthsOfEachYear) {
    for (int year : {2016, 2017, 2018}) {
        auto q = run(QStringLiteral("select count(*) from T_LIQUIDACIONES_IVA where EMPRESA = :E "
                                    "and EJERCICIO = :Y"),
                     {{QStringLiteral("E"), company(year)}, {QStringLiteral("Y"), year}});
        EXPECT_EQ(q->field(0).asInteger(), 16) << year;
    }
}

// The register as the annual declaration of operations with third parties reads it.
TEST_F(AccountingVatTest, TheBookOfTheYearGivesEachInvoicesTotalAndItsPartysTaxNumber) {
    auto ds = open(
        QStringLiteral("SELECT FECHA, SUBCUENTA_DEBE, SUBCUENTA_HABER, NOMBRE, CIF, "
                       "BASE0+BASE1+BASE2+BASE3+IVA1+IVA2+IVA3+IVA_REC1+IVA_REC2+IVA_REC3 AS "
                       "TOTALFRA, TIPOREGISTRO,TIPOIVA,TIPOASIENTO, CC, DEVENGO FROM "
                       "T_REGISTRO_IVA WHERE EMPRESA = :EMPRESA AND EJERCICIO = :EJERCICIO ORDER "
                       "BY FECHA"),
        {{QStringLiteral("EMPRESA"), company(2018)}, {QStringLiteral("EJERCICIO"), 2018}});
    ASSERT_GT(ds->recordCount(), 50);
    db::Statement chart(database(), transaction);
    chart.setSql(QStringLiteral("SELECT CIF FROM T_SUBCUENTAS WHERE EMPRESA = :EMPRESA AND "
                                "EJERCICIO = :EJERCICIO AND SUBCUENTA = :SUBCUENTA"));
    db::Statement postal(database(), transaction);
    postal.setSql(QStringLiteral("SELECT  COD_POSTAL FROM T_SUBCUENTAS WHERE EMPRESA = :EMPRESA "
                                 "AND EJERCICIO = :EJERCICIO AND SUBCUENTA = :SUBCUENTA"));
    double total = 0;
    QDate previous;
    for (; !ds->eof(); ds->next()) {
        const bool issued = ds->field(QStringLiteral("TIPOREGISTRO")).asString() == u"R";
        const QString kind = ds->field(QStringLiteral("TIPOASIENTO")).asString();
        EXPECT_TRUE(issued ? kind == u"9" : kind == u"4" || kind == u"B") << kind.toStdString();
        const QString party =
            ds->field(issued ? QStringLiteral("SUBCUENTA_DEBE") : QStringLiteral("SUBCUENTA_HABER"))
                .asString();
        for (db::Statement* s : {&chart, &postal}) {
            s->setParam(QStringLiteral("EMPRESA"), company(2018));
            s->setParam(QStringLiteral("EJERCICIO"), 2018);
            s->setParam(QStringLiteral("SUBCUENTA"), party);
            s->execute();
            ASSERT_FALSE(s->eof()) << party.toStdString();
        }
        const QString nif = ds->field(QStringLiteral("CIF")).asString();
        EXPECT_EQ(chart.field(QStringLiteral("CIF")).asString(), nif);
        const bool abroad = nif.left(2).at(1).isLetter();
        EXPECT_EQ(postal.field(QStringLiteral("COD_POSTAL")).asString().size(), abroad ? 0 : 5)
            << nif.toStdString();
        EXPECT_GE(ds->field(QStringLiteral("FECHA")).asDate(), previous);
        previous = ds->field(QStringLiteral("FECHA")).asDate();
        total += ds->field(QStringLiteral("TOTALFRA")).asFloat();
    }
    // An invoice's entry debits its total: the party and the withholding of an issued
    // one, the expense and the VAT of a received one.
    EXPECT_NEAR(total,
                invoiceLines(QStringLiteral("DEBE"), QStringLiteral("1 = 1"), QDate(2018, 1, 1),
                             QDate(2018, 12, 31)),
                kCent);
}

// The register as the annual VAT summary reads it: the deductible quotas are the input
// VAT that the invoices post.
TEST_F(AccountingVatTest, TheYearsDeductibleQuotasAreTheInputVatPosted) {
    auto ds = open(
        QStringLiteral("select asiento, base0, base1, base2, base3, base_rec1, base_rec2, "
                       "base_rec3, iva1, iva2, iva3, iva_rec1, iva_rec2, iva_rec3, tipo1, tipo2, "
                       "tipo3, tipo_rec1, tipo_rec2, tipo_rec3,tipoiva, tiporegistro, cc, devengo "
                       "from t_registro_iva where empresa = :empresa and ejercicio = :ejercicio "
                       "order by fecha"),
        {{QStringLiteral("EMPRESA"), company(2018)}, {QStringLiteral("EJERCICIO"), 2018}});
    double deductible = 0;
    for (; !ds->eof(); ds->next()) {
        if (ds->field(QStringLiteral("TIPOREGISTRO")).asString() == u"R")
            continue;
        for (const char* n : {"1", "2", "3"}) {
            const double base =
                ds->field(QStringLiteral("BASE") + QString::fromLatin1(n)).asFloat();
            const double quota =
                ds->field(QStringLiteral("IVA") + QString::fromLatin1(n)).asFloat();
            const double rate =
                ds->field(QStringLiteral("TIPO") + QString::fromLatin1(n)).asFloat();
            if (base != 0) {
                EXPECT_NEAR(quota / base * 100, rate, 0.1) << "the rate the summary matches";
            }
            deductible += quota;
        }
    }
    EXPECT_NEAR(deductible,
                invoiceLines(QStringLiteral("DEBE"), QStringLiteral("a.SUBCUENTA like '472%'"),
                             QDate(2018, 1, 1), QDate(2018, 12, 31)),
                kCent);
}

// The register as the declaration of the register books reads it, a month at a time.
TEST_F(AccountingVatTest, TheBookOfAMonthHoldsItsInvoicesWithAQuotaForEveryTaxedBase) {
    auto ds = open(
        QStringLiteral(
            "select r.asiento, r.Fecha, r.Fecha_dcto, r.Numero_fra, r.nombre, r.cif, r.base0, "
            "r.base1, r.base2, r.base3, r.iva1, r.iva2, r.iva3, r.iva_rec1, r.iva_rec2, "
            "r.iva_rec3, r.tipoiva, r.tiporegistro, r.tipoasiento, r.subcuenta_debe, "
            "r.subcuenta_haber,r.tipo1, r.tipo2, r.tipo3, r.tipo_rec1, r.tipo_rec2, r.tipo_rec3, "
            "r.liquida_clave,  r.liquida_medio, r.fecha_liquidacion, r.cc,r.devengo, "
            "r.importe_liquidado from t_registro_iva r where empresa = :empresa and ejercicio = "
            ":ejercicio and r.fecha between :desde and :hasta"),
        {{QStringLiteral("EMPRESA"), company(2018)},
         {QStringLiteral("EJERCICIO"), 2018},
         {QStringLiteral("DESDE"), QDate(2018, 2, 1)},
         {QStringLiteral("HASTA"), QDate(2018, 2, 28)}});
    EXPECT_EQ(ds->recordCount(), int(book(QStringLiteral("1"), QStringLiteral("1 = 1"),
                                          QDate(2018, 2, 1), QDate(2018, 2, 28))));
    for (; !ds->eof(); ds->next()) {
        EXPECT_EQ(ds->field(QStringLiteral("FECHA")).asDate().month(), 2);
        EXPECT_FALSE(ds->field(QStringLiteral("NUMERO_FRA")).asString().isEmpty());
        for (const char* n : {"1", "2", "3"}) {
            if (ds->field(QStringLiteral("BASE") + QString::fromLatin1(n)).asFloat() != 0) {
                EXPECT_NE(ds->field(QStringLiteral("IVA") + QString::fromLatin1(n)).asFloat(), 0)
                    << ds->field(QStringLiteral("ASIENTO")).asInteger();
            }
        }
    }
}

TEST_F(AccountingVatTest, Mod349GivesEachIntraCommunityCounterpartAndKey) {
    // The year has a delivery, an acquisition of goods and one of services.
    for (const auto& [from, to, keys] : {std::tuple(QDate(2018, 1, 1), QDate(2018, 12, 31), 3),
                                         std::tuple(QDate(2018, 4, 1), QDate(2018, 6, 30), 0)}) {
        auto ds = open(QStringLiteral("SELECT * FROM PA_MOD349(:EMPRESA, :FECHA_INI, :FECHA_FIN, "
                                      ":TRIMESTRE)ORDER BY CUENTA, CLAVE"),
                       {{QStringLiteral("EMPRESA"), company(2018)},
                        {QStringLiteral("FECHA_INI"), from},
                        {QStringLiteral("FECHA_FIN"), to},
                        {QStringLiteral("TRIMESTRE"), 0}});
        QMap<QString, double> found;
        for (; !ds->eof(); ds->next()) {
            const QString nif = ds->field(QStringLiteral("NIF")).asString();
            EXPECT_TRUE(nif.at(0).isLetter() && nif.at(1).isLetter()) << "country prefix";
            EXPECT_FALSE(ds->field(QStringLiteral("NOMBRE")).asString().isEmpty());
            found.insert(ds->field(QStringLiteral("CLAVE")).asString() + nif,
                         ds->field(QStringLiteral("IMPORTE")).asFloat());
        }
        QMap<QString, double> expected;
        for (const auto& [key, condition] :
             {std::pair("E", "TIPOREGISTRO = 'R' and TIPOIVA = '5'"),
              std::pair("A", "TIPOREGISTRO = 'S' and TIPOIVA = '2'"),
              std::pair("I", "TIPOREGISTRO = 'S' and TIPOIVA = '6'")}) {
            auto q = run(QStringLiteral("select CIF, sum(BASE0 + BASE1 + BASE2 + BASE3) from "
                                        "T_REGISTRO_IVA where EMPRESA = :E and FECHA between :F "
                                        "and :T and %1 group by CIF")
                             .arg(QString::fromLatin1(condition)),
                         {{QStringLiteral("E"), company(2018)},
                          {QStringLiteral("F"), from},
                          {QStringLiteral("T"), to}});
            for (; !q->eof(); q->next())
                expected.insert(QString::fromLatin1(key) + q->field(0).asString(),
                                q->field(1).asFloat());
        }
        ASSERT_EQ(found.keys(), expected.keys());
        EXPECT_GE(expected.size(), keys);
        for (const QString& k : expected.keys())
            EXPECT_NEAR(found[k], expected[k], kCent) << k.toStdString();
    }
}

} // namespace

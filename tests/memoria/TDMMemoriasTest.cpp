// Memoria formulas: left to right with no precedence, terms combined only with the operator
// right before them, accounting terms read from the books, earlier formulas by number; the
// placeholder and the amount text the chapters show; the numbering of new rows.
#include "MemoriaFixture.h"
#include "util/Error.h"

namespace {

class TDMMemoriasTest : public MemoriaTest {
protected:
    void SetUp() override {
        MemoriaTest::SetUp();
        dm.DataModuleCreate();
        dm.setContribuyente(12);
    }
    void formula(int numero, const QVariant& sintaxis, double guardado = 0, int absoluto = 0,
                 const char* condicional = " ") {
        MemoriaTest::formula(dm, numero, sintaxis, guardado, absoluto, condicional);
    }
    double importe(int numero) {
        EXPECT_TRUE(dm.QFormulas.locate(QStringLiteral("FORMULA"), {numero}));
        return dm.QFormulas.field(QStringLiteral("IMPORTE")).asFloat();
    }

    TDMMemorias dm{test.main};
};

TEST_F(TDMMemoriasTest, FormulasReadTheBooksAndEarlierFormulasLeftToRight) {
    struct Case {
        const char* sintaxis;
        double esperado;
        int absoluto = 0;
        const char* condicional = " ";
        double guardado = 0;
    };
    const Case cases[] = {
        {"S12:570", 1000},             // 1
        {"S12:570+F1/10", 2000},       // 2: the number after "/" is no term
        {"-S0:430", -250},             // 3: a leading minus
        {"F1+F2-F3", 3250},            // 4: 1000 + 2000 - (-250)
        {"S13:57*2", 400},             // 5
        {"S13:129 + S13:57", 300},     // 6: the blank parts the second term from its "+"
        {"s13:57", 400},               // 7: typed in lower case
        {"F9", 77},                    // 8: a later formula: its earlier amount
        {"S13:57", 0, 1, "-"},         // 9: absolute, shown only when negative
        {"-S0:430", 0, 0, "+"},        // 10: shown only when positive
        {"S12:ERR+H12:700", 5000},     // 11: a failing term counts 0
        {"F99", 5, 0, " ", 5},         // 12: no formula 99: its own earlier amount
        {"H12:700/S12:570", 5},        // 13
        {"S12:570-S12:570*S13:57", 0}, // 14: (1000 - 1000) * 400, no precedence
    };
    int numero = 0;
    for (const Case& c : cases)
        formula(++numero, QString::fromLatin1(c.sintaxis), c.guardado, c.absoluto, c.condicional);
    dm.QFormulas.locate(QStringLiteral("FORMULA"), {9});
    dm.QFormulas.edit();
    dm.QFormulas.field(QStringLiteral("IMPORTE")).setAsFloat(77); // last calculation's
    dm.QFormulas.post();

    dm.CalculaCapitulo();
    numero = 0;
    for (const Case& c : cases) {
        ++numero;
        EXPECT_DOUBLE_EQ(importe(numero), c.esperado) << numero << ": " << c.sintaxis;
    }
    EXPECT_TRUE(test.prompts.log().isEmpty()) << test.prompts.log().join(u'\n').toStdString();
}

// A period that is no number, or a division by a term worth 0, stops the calculation; the
// formulas before it keep their new amounts.
TEST_F(TDMMemoriasTest, ABrokenFormulaStopsTheCalculationAfterTheOnesBeforeIt) {
    for (const char* roto : {"S1X:570", "S12570", "F1X", "S12:570/S0:999"}) {
        SCOPED_TRACE(roto);
        dm.QFormulas.close();
        dm.QFormulas.open();
        while (!dm.QFormulas.isEmpty())
            dm.QFormulas.remove();
        formula(1, QStringLiteral("S12:570"), 1);
        formula(2, QString::fromLatin1(roto), 2);
        formula(3, QStringLiteral("S13:57"), 3);
        EXPECT_THROW(dm.CalculaCapitulo(), tributra::Error);
        EXPECT_DOUBLE_EQ(importe(1), 1000);
        EXPECT_DOUBLE_EQ(importe(2), 2);
        EXPECT_DOUBLE_EQ(importe(3), 3);
        EXPECT_FALSE(dm.QFormulas.editing());
    }
}

// A formula without syntax asks for its amount each time; Cancel keeps the one there.
TEST_F(TDMMemoriasTest, AManualFormulaAsksForItsAmount) {
    formula(1, QVariant(), 10);
    formula(2, QStringLiteral("  "), 20);
    std::vector<double> preguntado;
    std::vector<std::optional<double>> respuestas = {1234.5, std::nullopt};
    dm.setPideImporte([&](double guardado) {
        preguntado.push_back(guardado);
        const std::optional<double> r = respuestas.front();
        respuestas.erase(respuestas.begin());
        return r;
    });
    dm.CalculaCapitulo();
    EXPECT_EQ(preguntado, (std::vector<double>{10, 20}));
    EXPECT_DOUBLE_EQ(importe(1), 1234.5);
    EXPECT_DOUBLE_EQ(importe(2), 20);
}

TEST_F(TDMMemoriasTest, TheChapterShowsAFormulaByItsPlaceholderAndAmount) {
    EXPECT_EQ(TDMMemorias::Marcador(12), QStringLiteral("[Formula 012]"));
    EXPECT_EQ(TDMMemorias::Marcador(7).size(), 13);
    formula(3, QVariant(), 1234.5);
    formula(4, QVariant(), -98765.432);
    EXPECT_EQ(dm.TextoFormula(3), QStringLiteral("      1234,50"));
    EXPECT_EQ(dm.TextoFormula(4), QStringLiteral("    -98765,43"));
    EXPECT_EQ(dm.TextoFormula(5), QStringLiteral("         0,00")) << "no formula 5";
}

TEST_F(TDMMemoriasTest, NewRowsTakeTheNextFreeNumbers) {
    dm.QMaestro.append();
    dm.QMaestro.field(QStringLiteral("TITULO")).setAsString(QStringLiteral("OTRA"));
    dm.QMaestro.post();
    EXPECT_EQ(dm.QMaestro.field(QStringLiteral("MEMORIA")).asInteger(), 2);
    dm.QCapitulos.append();
    EXPECT_EQ(dm.QCapitulos.field(QStringLiteral("MEMORIA")).asInteger(), 2);
    dm.QCapitulos.post();
    EXPECT_EQ(dm.QCapitulos.field(QStringLiteral("CAPITULO")).asInteger(), 1);
    for (int esperado : {1, 2}) {
        dm.QFormulas.append();
        EXPECT_EQ(dm.QFormulas.field(QStringLiteral("ABSOLUTO")).asInteger(), 0);
        EXPECT_EQ(dm.QFormulas.field(QStringLiteral("CONDICIONAL")).asString(),
                  QStringLiteral(" "));
        dm.QFormulas.post();
        EXPECT_EQ(dm.QFormulas.field(QStringLiteral("FORMULA")).asInteger(), esperado);
    }
}

} // namespace

#include "framework/DataModules.h"
#include "QtPrinters.h"
#include "TDMPrueba.h"
#include "TestMain.h"

#include <gtest/gtest.h>

namespace {

class TDMOtra : public TDMPrueba {
public:
    using TDMPrueba::TDMPrueba;
};

class DataModulesTest : public ::testing::Test {
protected:
    TestMain test{kPruebaSetup};
    DataModules modules{test.main};

    QString titleOf(int codigo) {
        db::Statement q(test.main.Database, test.main.TLocal);
        q.setSql(QStringLiteral("select TITULO from T_PRUEBA where CODIGO = :c"));
        q.setParam(QStringLiteral("c"), codigo);
        q.execute();
        return q.field(0).asString();
    }

    // Two forms use the module; the second to leave finds the first record edited.
    void leaveWithAnEdit(bool save) {
        TDMPrueba& first = modules.CreaModuloDatos<TDMPrueba>();
        TDMPrueba& second = modules.CreaModuloDatos<TDMPrueba>();
        EXPECT_EQ(&first, &second);
        EXPECT_NE(static_cast<TDMBase*>(&modules.CreaModuloDatos<TDMOtra>()),
                  static_cast<TDMBase*>(&first))
            << "another class has a module of its own";
        modules.LiberaModuloDatos(first);
        EXPECT_EQ(modules.users(second), 1);
        EXPECT_TRUE(test.prompts.log().isEmpty()) << "nothing asked while a user is left";

        ASSERT_TRUE(second.QMaestro.locate(QStringLiteral("CODIGO"), {1}));
        second.QMaestro.edit();
        second.QMaestro.field(QStringLiteral("TITULO")).setAsString(QStringLiteral("CAMBIADO"));
        test.prompts.answer(save);
        modules.LiberaModuloDatos(second);
        EXPECT_EQ(modules.users(second), 0) << "the module is gone";
        EXPECT_EQ(test.prompts.log(),
                  QStringList{QStringLiteral(
                      "question Atención...: ¿Desea grabar los cambios realizados?")});
    }
};

TEST_F(DataModulesTest, YesPostsTheEditWhenTheLastUserLeaves) {
    leaveWithAnEdit(true);
    EXPECT_EQ(titleOf(1), QStringLiteral("CAMBIADO"));
}

// The application ended from outside: every edit goes without a question, so the forms then
// close without asking either.
TEST_F(DataModulesTest, AnEndFromOutsideCancelsEveryEditWithoutAsking) {
    TDMPrueba& module = modules.CreaModuloDatos<TDMPrueba>();
    ASSERT_TRUE(module.QMaestro.locate(QStringLiteral("CODIGO"), {1}));
    module.QMaestro.edit();
    module.QMaestro.field(QStringLiteral("TITULO")).setAsString(QStringLiteral("CAMBIADO"));
    modules.cancelaEdiciones();
    EXPECT_FALSE(module.QMaestro.editing());
    modules.LiberaModuloDatos(module);
    EXPECT_TRUE(test.prompts.log().isEmpty());
    EXPECT_EQ(titleOf(1), QStringLiteral("GARCIA LOPEZ"));
}

TEST_F(DataModulesTest, NoCancelsTheEditWhenTheLastUserLeaves) {
    leaveWithAnEdit(false);
    EXPECT_EQ(titleOf(1), QStringLiteral("GARCIA LOPEZ"));
}

} // namespace

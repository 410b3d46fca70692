#include "taxpayers/TFMImportaCont.h"
#include "QtPrinters.h"
#include "TestMain.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class TFMImportaContTest : public ::testing::Test {
protected:
    ScopedEnv drive{"TRIBUTRA_DRIVE_C", QByteArray("/unidad/c")};
    TestMain test;
    TestDatabase anterior{
        test.work,
        QStringLiteral(
            "INSERT INTO T_CONTRIBUYENTES (CONTRIBUYENTE, APELLIDOS) VALUES (3, 'ROS');"),
        QStringLiteral("Tribra17.gdb")};
    TFMImportaCont dialog{test.main};

    QLineEdit* EdTribra() const { return dialog.findChild<QLineEdit*>(QStringLiteral("EdTribra")); }
    QPushButton* button(const char* name) const {
        return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    }
};

TEST_F(TFMImportaContTest, ProposesTheLocalServerAndExaminarReplacesTheName) {
    EXPECT_EQ(EdTribra()->text(), QStringLiteral("localhost:/unidad/c/Tributra17/Tribra17.gdb"));
    test.prompts.answerFile(anterior.path());
    button("sbUbica")->click();
    EXPECT_EQ(EdTribra()->text(), anterior.path());
}

TEST_F(TFMImportaContTest, TheDialogStaysOpenWhileTheRunLastsAndRecoversAfterIt) {
    dialog.show();
    EdTribra()->setText(anterior.path());
    bool abiertoDurante = false;
    bool salirDurante = true;
    QTimer::singleShot(0, &dialog, [&] {
        salirDurante = button("BitBtn1")->isEnabled();
        dialog.reject(); // Escape or the window's close box
        abiertoDurante = dialog.isVisible();
    });
    button("btProceso")->click();
    EXPECT_FALSE(salirDurante);
    EXPECT_TRUE(abiertoDurante) << "closing mid-run would free the connection being read";
    EXPECT_EQ(test.prompts.log(),
              QStringList{QStringLiteral("information: Proceso ejecutado con éxito")});
    EXPECT_TRUE(button("btProceso")->isEnabled());
    button("BitBtn1")->click();
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(TFMImportaContTest, AFailedRunEnablesTheButtonAgain) {
    EdTribra()->setText(test.work.file(QStringLiteral("otra.gdb")));
    button("btProceso")->click();
    EXPECT_EQ(test.prompts.log(),
              QStringList{QStringLiteral("error: Imposible abrir ") + EdTribra()->text()});
    EXPECT_TRUE(button("btProceso")->isEnabled());
    EXPECT_TRUE(button("BitBtn1")->isEnabled());
}

} // namespace

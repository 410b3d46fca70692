#include "taxpayers/Demonstration.h"
#include "FakePrompts.h"
#include "QtPrinters.h"
#include "ScopedCurrentDir.h"
#include "ScopedEnv.h"
#include "TempDir.h"
#include "config/TDMMain.h"
#include "framework/TDMBase.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

TEST(Demonstration, StartsOnItsTaxpayersEachWithItsAccounting) {
    TempDir dir;
    const Demonstration demo(dir.file("demo"));
    demo.build();
    demo.build(); // a second run keeps what is there
    EXPECT_TRUE(QFileInfo(QDir(demo.driveFolder()).filePath(QStringLiteral("aeat"))).isDir())
        << "the agency's folder the returns copy into";

    ScopedEnv windir("TRIBUTRA_WINDIR", demo.settingsFolder().toLocal8Bit());
    ScopedCurrentDir current(demo.settingsFolder());
    FakePrompts prompts;
    TDMMain main(prompts);
    ASSERT_FALSE(main.terminating());
    TDMBase accounting(main);

    db::Statement q(main.Database, main.TLocal);
    q.setSql(QStringLiteral(
        "select CONTRIBUYENTE, TITULO from T_CONTRIBUYENTES order by CONTRIBUYENTE"));
    QStringList taxpayers;
    for (q.execute(); !q.eof(); q.next())
        taxpayers << q.field(1).asString();
    EXPECT_EQ(taxpayers.size(), 4);
    for (int number : {1, 2, 3}) {
        SCOPED_TRACE(number);
        ASSERT_TRUE(main.AbreContabilidad(number));
        EXPECT_EQ(accounting.EmpresaContable(2018), 3) << "the 2018 company of its accounting";
    }
    EXPECT_FALSE(main.AbreContabilidad(4)) << "the one without accounting";
    EXPECT_TRUE(prompts.log().isEmpty());
}

} // namespace

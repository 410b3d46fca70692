#include "QtPrinters.h"
#include "TestMain.h"
#include "app/TFAcercaDe.h"
#include "app/TFMain.h"
#include "config/DatabaseLocation.h"
#include "config/TFMActualizador.h"
#include "config/TFUbica.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/TFErrores.h"
#include "returns/FileViewerDialog.h"
#include "returns/ReturnForms.h"
#include "taxpayers/TFMImportaCont.h"
#include "taxpayers/TFMImportaDatos.h"

#include <QAction>
#include <QApplication>
#include <QScreen>
#include <gtest/gtest.h>

#include <memory>

namespace {

// A common laptop screen, less what the system takes from it: a task bar below and the
// window's title bar and borders. A window larger than that hides its bottom rows, and the
// window manager will not make it smaller than its minimum.
const QSize kScreen(1366, 768);
const QSize kClientArea = kScreen - QSize(16, 40 + 32);

void expectFits(QWidget& window) {
    SCOPED_TRACE(window.objectName().toStdString());
    window.show();
    for (const auto& [what, size] : {std::pair{"size hint", window.sizeHint()},
                                     std::pair{"minimum size", window.minimumSizeHint()},
                                     std::pair{"size", window.size()}}) {
        EXPECT_LE(size.width(), kClientArea.width()) << what << " " << size.width();
        EXPECT_LE(size.height(), kClientArea.height()) << what << " " << size.height();
    }
}

class ScreenSizeTest : public ::testing::Test {
protected:
    TestMain test;
    DataModules modules{test.main};
    FormManager forms{test.main, modules};
    TFMain main{test.main, forms};
};

TEST_F(ScreenSizeTest, EveryFormFitsTheScreenOrScrolls) {
    QStringList commands = {QStringLiteral("AContribuyentes")};
    for (const returns::ReturnForm& form : returns::forms())
        commands << QLatin1String(form.accion);
    for (const QString& command : commands) {
        SCOPED_TRACE(command.toStdString());
        const QWidgetList before = QApplication::topLevelWidgets();
        main.findChild<QAction*>(command)->trigger();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (!before.contains(w) && w->isWindow() && w->isVisible())
                expectFits(*w);
    }
}

TEST_F(ScreenSizeTest, EveryDialogFitsTheScreen) {
    config::DatabaseLocation location;
    std::vector<std::unique_ptr<QWidget>> dialogs;
    dialogs.push_back(std::make_unique<TFMImportaDatos>(test.main, &main));
    dialogs.push_back(std::make_unique<TFMImportaCont>(test.main, &main));
    dialogs.push_back(std::make_unique<TFUbica>(location));
    dialogs.push_back(std::make_unique<TFMActualizador>([] {}));
    dialogs.push_back(std::make_unique<TFErrores>(QStringLiteral("una\nlínea")));
    dialogs.push_back(std::make_unique<FileViewerDialog>(test.work.file(QStringLiteral("mod111.txt"))));
    dialogs.push_back(std::make_unique<TFAcercaDe>(test.main.Database.databaseName()));
    for (auto& d : dialogs)
        expectFits(*d);
}

} // namespace

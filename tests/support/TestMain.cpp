#include "TestMain.h"

#include "platform/IniFile.h"

namespace {

bool writeSettings(const TempDir& windows, const QString& database) {
    platform::IniFile ini(windows.file(QStringLiteral("Tribra18.ini")));
    ini.writeString(QStringLiteral("Datos"), QStringLiteral("BaseDeDatos"), database);
    ini.writeString(QStringLiteral("Datos"), QStringLiteral("Servidor"), QStringLiteral("LOCAL"));
    return true;
}

} // namespace

TestMain::TestMain(const QString& setupScript)
    : windir_("TRIBUTRA_WINDIR", windows.path().toLocal8Bit()), current_(work.path()),
      database(work, setupScript), configured_(writeSettings(windows, database.path())),
      main(prompts) {}

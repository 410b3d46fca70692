#pragma once

#include "FakePrompts.h"
#include "ScopedCurrentDir.h"
#include "ScopedEnv.h"
#include "TempDir.h"
#include "TestDatabase.h"
#include "config/AdminAccount.h"
#include "config/TDMMain.h"
#include "db/Statement.h"
#include "platform/IniFile.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <memory>

// A folder the database server keeps its files in: the server runs as a user of its own,
// so the folder and every file handed to it are open to everybody.
class ServerFolder {
public:
    ServerFolder() { openFolder(dir.path()); }

    static void openFolder(const QString& path) {
        QFile::setPermissions(path,
                              kEveryone | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
    }
    // A database made here by this process (its engine has let it go), handed to the server.
    static void handOver(const QString& path) { QFile::setPermissions(path, kEveryone); }
    // The same file through the server on this machine.
    static QString remote(const QString& path) { return QStringLiteral("localhost:") + path; }

    TempDir dir;

private:
    static constexpr QFile::Permissions kEveryone = QFile::ReadOwner | QFile::WriteOwner |
                                                    QFile::ReadGroup | QFile::WriteGroup |
                                                    QFile::ReadOther | QFile::WriteOther;
};

// A workstation of an office whose system database lives on the server: its settings say
// "Servidor" localhost, "Protocolo" TCP.
class ServerOfficeTest : public ::testing::Test {
protected:
    explicit ServerOfficeTest(const QString& setup = {})
        : system_(server.dir, setup, QStringLiteral("Tribra18.gdb")) {
        system_.database().close();
        ServerFolder::handOver(system_.path());
    }

    const QString& systemPath() const { return system_.path(); }

    void writeSettings(const QString& database, const QString& servidor, const QString& protocolo) {
        platform::IniFile ini(windows.file(QStringLiteral("Tribra18.ini")));
        ini.writeString(QStringLiteral("Datos"), QStringLiteral("BaseDeDatos"), database);
        ini.writeString(QStringLiteral("Datos"), QStringLiteral("Servidor"), servidor);
        ini.writeString(QStringLiteral("Datos"), QStringLiteral("Protocolo"), protocolo);
    }
    QString setting(const char* key) {
        return platform::IniFile(windows.file(QStringLiteral("Tribra18.ini")))
            .readString(QStringLiteral("Datos"), QString::fromLatin1(key));
    }
    // The workstation starts on the settings written.
    TDMMain& start() {
        main_ = std::make_unique<TDMMain>(prompts);
        return *main_;
    }

    // Another workstation's connection to the same database.
    static QVariant valueThroughServer(const QString& path, const QString& sql) {
        db::Database other;
        other.setDatabaseName(ServerFolder::remote(path));
        other.setParams(config::adminParams());
        other.open();
        db::Transaction t(other);
        db::Statement q(other, t);
        q.setSql(sql);
        q.execute();
        const QVariant value = q.eof() ? QVariant() : q.field(0).variant();
        q.close();
        t.commit();
        return value;
    }

    ServerFolder server;
    TempDir windows;
    TempDir work;
    ScopedEnv windir{"TRIBUTRA_WINDIR", windows.path().toLocal8Bit()};
    ScopedCurrentDir current{work.path()};
    FakePrompts prompts;

private:
    TestDatabase system_;
    std::unique_ptr<TDMMain> main_;
};

#pragma once

// An informative return's module open on a workstation of the test taxpayers, taxpayer 12's
// books made from a script, and what the tests read back: a file's bytes, a record's
// positions.
#include "M111Fixture.h"
#include "config/AdminAccount.h"
#include "schema/AccountingDatabase.h"
#include "schema/ScriptRunner.h"

template <class Module> class InformativeTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(drive.path()).mkdir(QStringLiteral("aeat"));
        dm.DataModuleCreate();
    }
    // Books of the accounting schema filled by `script`, linked to taxpayer 12.
    void libros(const QString& script) {
        const QString path = test.work.file(QStringLiteral("libros.fdb"));
        schema::createAccountingDatabase(path, config::adminParams());
        db::Database books;
        books.setDatabaseName(path);
        books.setParams(config::adminParams());
        books.open();
        schema::runScript(books, script, QStringLiteral("libros"));
        books.close();
        db::Statement s(test.main.Database, test.main.TLocal);
        s.setSql(QStringLiteral(
            "update T_CONTRIBUYENTES set FICHERO_CTBLE = :F where CONTRIBUYENTE = 12"));
        s.setParam(QStringLiteral("F"), path);
        s.execute();
        test.main.TLocal.commit();
    }
    void execute(const QString& sql) {
        db::Statement s(test.main.Database, test.main.TLocal);
        s.setSql(sql);
        s.execute();
        test.main.TLocal.commit();
    }
    static QByteArray lee(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Positions `first` to `last` of a record, counted from 1 as the agency's design does.
    static QString at(const QString& record, int first, int last) {
        return record.mid(first - 1, last - first + 1);
    }

    TempDir drive;
    ScopedEnv driveC{"TRIBUTRA_DRIVE_C", drive.path().toLocal8Bit()};
    TestMain test{kTaxpayers};
    Module dm{test.main};
};

#pragma once

// A return's data module on the test taxpayers, its agency folder ready, and what a test
// does with it: pick a record by taxpayer and period, read and type its boxes.
#include "M111Fixture.h"

#include <QDir>

// Taxpayer 12's account in the test register.
inline const QString kIban = QStringLiteral("ES9121000418450200051332");

// An amount as the files write it: cents, zero-filled to 17.
inline QString amount17(qint64 cents) {
    return QString::number(cents).rightJustified(17, u'0');
}

template <class Module>
class ReturnModuleTest : public ::testing::Test {
protected:
    explicit ReturnModuleTest(const QString& setup = kTaxpayers) : test(setup) {}

    void SetUp() override {
        QDir(drive.path()).mkdir(QStringLiteral("aeat"));
        dm.DataModuleCreate();
    }
    db::Field& box(const char* name) { return dm.QMaestro.field(QString::fromLatin1(name)); }
    // A new record of that key; an edit on screen is dropped first.
    void choose(int taxpayer, const char* period) {
        if (dm.QMaestro.editing())
            dm.QMaestro.cancel();
        dm.QMaestro.append();
        box("CONTRIBUYENTE").setAsInteger(taxpayer);
        box("PERIODO").setAsString(QString::fromLatin1(period));
    }
    // A page of the line: after the opening tag (17) and the AUX block (311), `before`
    // characters of earlier pages.
    QString page(int before, int length) { return dm.ComponeFichero().mid(328 + before, length); }

    TempDir drive;
    ScopedEnv driveC{"TRIBUTRA_DRIVE_C", drive.path().toLocal8Bit()};
    TestMain test;
    Module dm{test.main};
};

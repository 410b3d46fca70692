#pragma once

// A return's form open on a workstation of the test taxpayers, and what a user does on it:
// find a box, type into it, pick a period.
#include "CloseWindows.h"
#include "M111Fixture.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/TDBComboBoxVC.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

template <class Form>
class ReturnFormTest : public ::testing::Test {
protected:
    TempDir drive;
    ScopedEnv driveC{"TRIBUTRA_DRIVE_C", drive.path().toLocal8Bit()};
    TestMain test{kTaxpayers};
    DataModules modules{test.main};
    FormManager manager{test.main, modules};
    Form& form = open();

    Form& open() {
        QDir(drive.path()).mkdir(QStringLiteral("aeat"));
        Form& f = manager.MuestraFormulario<Form>();
        QApplication::setActiveWindow(&f);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
        return f;
    }
    void TearDown() override { closeWindows(); }
    db::DataSet& record() { return form.dm().QMaestro; }
    // The box of a field: typed ones are "DBE" + name, computed ones "DBS" + name.
    QLineEdit* edit(const char* field) {
        for (const char* prefix : {"DBE", "DBS"})
            if (auto* e = form.template findChild<QLineEdit*>(QLatin1String(prefix) +
                                                              QLatin1String(field)))
                return e;
        ADD_FAILURE() << "no box of " << field;
        return nullptr;
    }
    // Types into a box and leaves it, as a user does.
    void type(QWidget* w, const QString& text) {
        w->setFocus();
        QTest::keyClicks(w, text);
        QTest::keyClick(w, Qt::Key_Tab);
    }
    // The period at that place of the list, chosen with the keys and left with Tab.
    void choosePeriod(int item) {
        form.DBComboBoxVC3->setFocus();
        for (int i = 0; i < item; ++i)
            QTest::keyClick(form.DBComboBoxVC3, Qt::Key_Down);
        QTest::keyClick(form.DBComboBoxVC3, Qt::Key_Tab);
    }
};

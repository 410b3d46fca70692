#pragma once

#include "CloseWindows.h"
#include "QtPrinters.h"
#include "TDMPrueba.h"
#include "TestMain.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

// Forms over the test register, opened by the form manager as the menu opens them.
class FormsTest : public ::testing::Test {
protected:
    TestMain test{kPruebaSetup};
    DataModules modules{test.main};
    FormManager manager{test.main, modules};

    void TearDown() override { closeWindows(); }

    template <class F> F& open() {
        F& form = manager.MuestraFormulario<F>();
        QApplication::setActiveWindow(&form);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        return form;
    }
    static void press(QWidget* w, QKeyCombination key) {
        QTest::keyClick(w, key.key(), key.keyboardModifiers());
    }
};

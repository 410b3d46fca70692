#include "FakePrompts.h"
#include "QtPrinters.h"
#include "db/Error.h"
#include "framework/UserCommand.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

namespace {

TEST(RunCommand, WhateverACommandThrowsIsShownAndGoesNoFurther) {
    struct Case {
        const char* name;
        std::function<void()> command;
        QString shown;
    };
    const Case cases[] = {
        {"rule", [] { throw tributra::Error(QStringLiteral("Campo clave vacío")); },
         "error: Campo clave vacío"},
        {"rule with detail",
         [] { throw tributra::Error(QStringLiteral("Texto"), QStringLiteral("Detalle")); },
         "error: Texto\n\nDetalle"},
        {"database", [] { throw db::Error(QStringLiteral("lock conflict"), -901); },
         "error: lock conflict"},
        {"lost connection",
         [] {
             throw db::Error(QStringLiteral("connection shutdown"), -902,
                             db::Error::Kind::ConnectionLost);
         },
         "error: Se ha perdido la conexión con la base de datos; lo escrito sigue en pantalla. "
         "Compruebe la red y el servidor, anote los datos y vuelva a abrir la aplicación\n\n"
         "connection shutdown"},
        {"memory", [] { throw std::bad_alloc(); },
         "error: No queda memoria para terminar la operación. Cierre alguna ventana o programa "
         "y vuelva a intentarlo."},
        {"library", [] { throw std::out_of_range("vector::at"); },
         "error: La operación no ha podido terminar por un error interno.\n\nvector::at"},
        {"anything", [] { throw 42; },
         "error: La operación no ha podido terminar por un error interno."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakePrompts prompts;
        bool ran = false;
        EXPECT_FALSE(framework::runCommand(prompts, [&] {
            ran = true;
            c.command();
        }));
        EXPECT_TRUE(ran);
        EXPECT_EQ(prompts.log(), QStringList{c.shown});
    }
}

TEST(RunCommand, ACommandThatEndsWellTellsNothing) {
    FakePrompts prompts;
    int runs = 0;
    EXPECT_TRUE(framework::runCommand(prompts, [&] { ++runs; }));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(prompts.log().isEmpty());
}

} // namespace

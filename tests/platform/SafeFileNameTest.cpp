#include "platform/SafeFileName.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(SafeFileName, KeepsEveryNameInsideItsFolderAndTakenByEveryFileSystem) {
    struct Case {
        QString name;
        QString expected;
    };
    const Case cases[] = {
        {"TALLERES DEL SEGURA SL_1T.111", "TALLERES DEL SEGURA SL_1T.111"},
        {"GARCIA  DE LA FUENTE_3T.111", "GARCIA  DE LA FUENTE_3T.111"},
        {"MUÑOZ S.A._1T.111", "MUÑOZ S.A._1T.111"},
        {"PEREZ S/A_1T.111", "PEREZ S_A_1T.111"},
        {"../../etc/passwd", "_.._etc_passwd"},
        {"..", "_"},
        {"", "_"},
        {".oculto", "oculto"},
        {"C:\\aeat\\x", "C__aeat_x"},
        {"a*b?c\"d<e>f|g", "a_b_c_d_e_f_g"},
        {QStringLiteral("tab\there\nnew\x7F"), "tab_here_new_"},
        {"fin. . ", "fin"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::safeFileName(c.name), c.expected) << c.name.toStdString();
}

} // namespace

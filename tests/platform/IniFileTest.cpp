#include "FileBytes.h"
#include "platform/IniFile.h"
#include "QtPrinters.h"
#include "TempDir.h"
#include "util/Error.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(IniFileRead, MissingFileReadsTheDefault) {
    TempDir t;
    const platform::IniFile ini(t.file("Tribra18.ini"));
    EXPECT_EQ(ini.readString("Datos", "BaseDeDatos"), QString());
    EXPECT_EQ(ini.readString("Datos", "BaseDeDatos", "otro"), QString("otro"));
}

TEST(IniFileRead, FindsKeysAsTheProfileFunctionsDo) {
    const QByteArray crlf = "; ajustes\r\n"
                            "[Otros]\r\n"
                            "BaseDeDatos=otra.gdb\r\n"
                            "Clave=1\r\n"
                            "[ Datos ]\r\n"
                            "BaseDeDatos = c:\\tribra\\Tribra18.gdb  \r\n"
                            "servidor=LOCAL\r\n"
                            "Protocolo=\r\n"
                            "Deposito=\"  c:\\dep  \"\r\n"
                            "Usuario='SYSDBA'\r\n"
                            "Medio=\"abierto\r\n"
                            "Nombre=Pe\xF1"
                            "a \x80\r\n";
    struct Case {
        QString section;
        QString key;
        QString expected;
    };
    const Case cases[] = {
        {"Datos", "BaseDeDatos", "c:\\tribra\\Tribra18.gdb"},
        {"DATOS", "SERVIDOR", "LOCAL"},
        {"Datos", "Protocolo", ""},
        {"Datos", "Deposito", "  c:\\dep  "},
        {"Datos", "Usuario", "SYSDBA"},
        {"Datos", "Medio", "\"abierto"},
        {"Datos", "Nombre", "Peña €"},
        {"Datos", "Falta", "por defecto"},
        {"Datos", "Clave", "por defecto"},
        {"Falta", "BaseDeDatos", "por defecto"},
    };
    for (const QByteArray& content : {crlf, QByteArray(crlf).replace("\r\n", "\n")}) {
        TempDir t;
        writeBytes(t.file("Tribra18.ini"), content);
        const platform::IniFile ini(t.file("Tribra18.ini"));
        for (const Case& c : cases) {
            SCOPED_TRACE((c.section + "/" + c.key).toStdString());
            EXPECT_EQ(ini.readString(c.section, c.key, "por defecto"), c.expected);
        }
    }
}

TEST(IniFileWrite, CreatesTheFileAndTheSection) {
    TempDir t;
    platform::IniFile ini(t.file("Tribra18.ini"));
    ini.writeString("Datos", "BaseDeDatos", "c:\\tribra\\Tribra18.gdb");
    EXPECT_EQ(readBytes(t.file("Tribra18.ini")),
              QByteArray("[Datos]\r\nBaseDeDatos=c:\\tribra\\Tribra18.gdb\r\n"));
}

TEST(IniFileWrite, ChangesOneLineAndKeepsTheRest) {
    const QByteArray before = "; cabecera\r\n"
                              "[Datos]\r\n"
                              "BaseDeDatos = vieja.gdb\r\n"
                              "Servidor=LOCAL\r\n"
                              "\r\n"
                              "[Otros]\r\n"
                              "Clave=1\r\n";
    struct Case {
        QString section;
        QString key;
        QString value;
        QByteArray after;
    };
    const Case cases[] = {
        {"datos", "BASEDEDATOS", "nueva.gdb",
         "; cabecera\r\n[Datos]\r\nBaseDeDatos=nueva.gdb\r\nServidor=LOCAL\r\n\r\n"
         "[Otros]\r\nClave=1\r\n"},
        {"Datos", "Deposito", "c:\\dep",
         "; cabecera\r\n[Datos]\r\nBaseDeDatos = "
         "vieja.gdb\r\nServidor=LOCAL\r\nDeposito=c:\\dep\r\n"
         "\r\n[Otros]\r\nClave=1\r\n"},
        {"Otros", "Servidor", "remoto",
         "; cabecera\r\n[Datos]\r\nBaseDeDatos = vieja.gdb\r\nServidor=LOCAL\r\n\r\n"
         "[Otros]\r\nClave=1\r\nServidor=remoto\r\n"},
        {"Nueva", "Clave", "2",
         "; cabecera\r\n[Datos]\r\nBaseDeDatos = vieja.gdb\r\nServidor=LOCAL\r\n\r\n"
         "[Otros]\r\nClave=1\r\n[Nueva]\r\nClave=2\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.section + "/" + c.key).toStdString());
        TempDir t;
        writeBytes(t.file("Tribra18.ini"), before);
        platform::IniFile(t.file("Tribra18.ini")).writeString(c.section, c.key, c.value);
        EXPECT_EQ(readBytes(t.file("Tribra18.ini")), c.after);
    }
}

TEST(IniFileWrite, StoresWindows1252AndWritesLfFilesBackWithCrLf) {
    TempDir t;
    writeBytes(t.file("Tribra18.ini"), "[Datos]\nServidor=LOCAL\n");
    platform::IniFile ini(t.file("Tribra18.ini"));
    ini.writeString("Datos", "Deposito", "c:\\Peña €");
    EXPECT_EQ(readBytes(t.file("Tribra18.ini")),
              QByteArray("[Datos]\r\nServidor=LOCAL\r\nDeposito=c:\\Pe\xF1"
                         "a \x80\r\n"));
    EXPECT_EQ(ini.readString("Datos", "Deposito"), QString("c:\\Peña €"));
}

TEST(IniFileWrite, UnwritableFileThrows) {
    TempDir t;
    platform::IniFile ini(t.file("no existe/Tribra18.ini"));
    EXPECT_THROW(ini.writeString("Datos", "BaseDeDatos", "x.gdb"), tributra::Error);
}

TEST(IniFileWrite, RefusesWhatWouldNotReadBackAndLeavesTheFile) {
    struct Case {
        QString section;
        QString key;
        QString value;
    };
    const Case cases[] = {
        {"Datos", "Servidor", "x\r\nBaseDeDatos=otra.gdb"},
        {"Datos", "Servidor\nBaseDeDatos", "x"},
        {"Datos", "Base=Datos", "x"},
        {"Datos", " ", "x"},
        {"Da]tos", "Servidor", "x"},
        {"Datos\n[Otros", "Servidor", "x"},
    };
    const QByteArray before = "[Datos]\r\nBaseDeDatos=buena.gdb\r\n";
    for (const Case& c : cases) {
        SCOPED_TRACE((c.section + "/" + c.key + "=" + c.value).toStdString());
        TempDir t;
        writeBytes(t.file("Tribra18.ini"), before);
        platform::IniFile ini(t.file("Tribra18.ini"));
        EXPECT_THROW(ini.writeString(c.section, c.key, c.value), tributra::Error);
        EXPECT_EQ(readBytes(t.file("Tribra18.ini")), before);
    }
}

} // namespace

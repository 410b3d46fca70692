#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

// The Windows-1252 code page of the files and of every text crossing the database client.
// Own table, so that the result never depends on which codecs the platform offers.
namespace util {

// One byte per character; a character outside the code page becomes '?'.
QByteArray toWin1252(const QString& text);

// Every byte has a character: the five bytes the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become the C1 controls of the same number, so any bytes survive a
// round trip through a QString.
QString fromWin1252(const QByteArray& bytes);

bool isWin1252(QChar c);

} // namespace util

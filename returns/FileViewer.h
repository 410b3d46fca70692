#pragma once

#include <QByteArray>
#include <QStringList>

// A file the system wrote, read back field by field through the same layout tables that
// wrote it: page, position, length, box, field, content and the amount in euros, with a
// line for everything that does not fit. Advisers read the agency's error messages, which
// name positions, against it. Any bytes are safe to give it.
struct FileView {
    QStringList lines;
    bool recognized = false;
    bool records = false; // one record a line, each ended by CR LF
    int faults = 0;
};

FileView viewFile(const QByteArray& bytes);

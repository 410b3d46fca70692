#pragma once

#include <QString>
#include <QTemporaryDir>

// A folder of the test's own, removed with it.
class TempDir {
public:
    TempDir();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

#pragma once

#include <QDir>
#include <QString>

// Makes a folder the current one for the life of the object.
class ScopedCurrentDir {
public:
    explicit ScopedCurrentDir(const QString& path) : saved_(QDir::currentPath()) {
        QDir::setCurrent(path);
    }
    ~ScopedCurrentDir() { QDir::setCurrent(saved_); }
    ScopedCurrentDir(const ScopedCurrentDir&) = delete;
    ScopedCurrentDir& operator=(const ScopedCurrentDir&) = delete;

private:
    QString saved_;
};

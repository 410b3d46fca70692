#pragma once

#include <QString>

namespace config {

// The schema update script beside the program, whose connect line must name the
// database this workstation uses.
class UpdateScript {
public:
    explicit UpdateScript(const QString& path) : path_(path) {}

    bool exists() const;
    // Replaces the whole first line that contains "connect" (as written, lower case) by
    // connect 'location' user 'SYSDBA' password '...'; and saves the script. False,
    // and the file untouched, when no line has it.
    bool pointAt(const QString& connectionString) const;
    bool remove() const;

private:
    QString path_;
};

} // namespace config

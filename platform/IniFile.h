#pragma once

#include <QString>

namespace platform {

// A settings file read and written as the Windows private-profile functions do:
// every call goes to the file, names compare case-insensitively, a missing file,
// section or key reads the default, and a write keeps every other line as it was.
// The text is Windows-1252; written lines end in CR LF.
class IniFile {
public:
    explicit IniFile(const QString& path);

    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue = {}) const;

    // Throws tributra::Error when the file cannot be written, or when the names or
    // the value would not read back as given (a line break, '=' in a key, ']' in a
    // section, an empty key).
    void writeString(const QString& section, const QString& key, const QString& value);

private:
    QString path_;
};

} // namespace platform

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

// The lines of a settings file, kept verbatim so that a change touches one line only.
class IniLines {
public:
    IniLines() = default;
    explicit IniLines(const QString& text);

    std::optional<QString> value(const QString& section, const QString& key) const;
    void setValue(const QString& section, const QString& key, const QString& value);
    QString text() const;

private:
    std::optional<qsizetype> findSection(const QString& section) const;
    std::optional<qsizetype> findKey(qsizetype header, const QString& key) const;
    qsizetype lastContentLine(qsizetype header) const;

    QStringList lines_;
};

} // namespace platform

#include "IniLines.h"

namespace platform {

namespace {

std::optional<QString> sectionName(const QString& line) {
    const QString text = line.trimmed();
    if (!text.startsWith('['))
        return std::nullopt;
    return text.mid(1, text.indexOf(']') - 1).trimmed();
}

std::optional<QString> keyName(const QString& line) {
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return std::nullopt;
    return line.left(equals).trimmed();
}

bool sameName(const std::optional<QString>& name, const QString& wanted) {
    return name && name->compare(wanted, Qt::CaseInsensitive) == 0;
}

// As the profile functions do: blanks around the value go, and so do the quotes
// around a quoted one, which is how a value keeps blanks of its own.
QString unquoted(const QString& raw) {
    const QString text = raw.trimmed();
    const bool quoted = text.size() >= 2 && text.front() == text.back() &&
                        (text.front() == '"' || text.front() == '\'');
    return quoted ? text.mid(1, text.size() - 2) : text;
}

} // namespace

IniLines::IniLines(const QString& text) {
    lines_ = text.split('\n');
    for (QString& line : lines_)
        if (line.endsWith('\r'))
            line.chop(1);
    if (lines_.last().isEmpty())
        lines_.removeLast();
}

std::optional<QString> IniLines::value(const QString& section, const QString& key) const {
    const std::optional<qsizetype> header = findSection(section);
    if (!header)
        return std::nullopt;
    const std::optional<qsizetype> line = findKey(*header, key);
    if (!line)
        return std::nullopt;
    const QString& text = lines_[*line];
    return unquoted(text.mid(text.indexOf('=') + 1));
}

void IniLines::setValue(const QString& section, const QString& key, const QString& value) {
    const std::optional<qsizetype> header = findSection(section);
    if (!header) {
        lines_ << '[' + section + ']' << key + '=' + value;
        return;
    }
    if (const std::optional<qsizetype> line = findKey(*header, key))
        lines_[*line] = *keyName(lines_[*line]) + '=' + value;
    else
        lines_.insert(lastContentLine(*header) + 1, key + '=' + value);
}

QString IniLines::text() const {
    return lines_.isEmpty() ? QString() : lines_.join("\r\n") + "\r\n";
}

std::optional<qsizetype> IniLines::findSection(const QString& section) const {
    for (qsizetype i = 0; i < lines_.size(); ++i)
        if (sameName(sectionName(lines_[i]), section))
            return i;
    return std::nullopt;
}

std::optional<qsizetype> IniLines::findKey(qsizetype header, const QString& key) const {
    for (qsizetype i = header + 1; i < lines_.size() && !sectionName(lines_[i]); ++i)
        if (sameName(keyName(lines_[i]), key))
            return i;
    return std::nullopt;
}

// A new key goes after the section's last entry, before the blank lines that part it
// from the next section.
qsizetype IniLines::lastContentLine(qsizetype header) const {
    qsizetype last = header;
    for (qsizetype i = header + 1; i < lines_.size() && !sectionName(lines_[i]); ++i)
        if (!lines_[i].trimmed().isEmpty())
            last = i;
    return last;
}

} // namespace platform

#pragma once

#include <QString>
#include <stdexcept>

namespace tributra {

// A rule the user broke, with the Spanish text to show and, where there is one, the detail
// that tells where. Forms catch it around every command and show it in a message box; the
// form stays open.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& text, const QString& detail = {})
        : std::runtime_error(text.toStdString()), text_(text), detail_(detail) {}
    const QString& text() const { return text_; }
    const QString& detail() const { return detail_; }
    // What the user is shown: the text, and the detail below it.
    QString message() const { return detail_.isEmpty() ? text_ : text_ + QStringLiteral("\n\n") + detail_; }

private:
    QString text_;
    QString detail_;
};

// A text that does not read as the number or date it must be.
class ConversionError : public Error {
public:
    using Error::Error;
};

} // namespace tributra

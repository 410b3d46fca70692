#pragma once

#include <QString>
#include <stdexcept>

namespace tributra {

// A rule the user broke, with the Spanish text to show. Forms catch it around every
// command and show it in a message box; the form stays open.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};

// A text that does not read as the number or date it must be.
class ConversionError : public Error {
public:
    using Error::Error;
};

} // namespace tributra

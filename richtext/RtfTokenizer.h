#pragma once

#include <QByteArrayView>

#include <optional>

namespace richtext {

struct RtfToken {
    enum class Kind { End, GroupOpen, GroupClose, Word, Symbol, Byte, Text };

    Kind kind = Kind::End;
    QByteArrayView text; // a word's name, or a run of text
    int parameter = 0;
    bool hasParameter = false;
    char symbol = 0; // a control symbol, or the byte of \'hh
};

// Splits an RTF stream into groups, control words and symbols, escaped bytes and runs of
// text. Line ends outside control words carry nothing and are dropped. Every call
// advances, so a reader of any input ends.
class RtfTokenizer {
public:
    explicit RtfTokenizer(QByteArrayView input) : input_(input) {}

    RtfToken next();
    // The data of \binN, which is not RTF.
    void skipBinary(int count);
    // Whether what is left holds anything but blanks (after the last group closed).
    bool hasTrailingContent() const;
    // A control sequence was cut by the end of the stream, or \'hh was not hex.
    bool damaged() const { return damaged_; }

private:
    char peek() const { return pos_ < input_.size() ? input_[pos_] : '\0'; }
    bool atEnd() const { return pos_ >= input_.size(); }
    std::optional<RtfToken> control();
    RtfToken word();
    std::optional<RtfToken> hexByte();
    RtfToken text();
    int parameter(bool& present);

    QByteArrayView input_;
    qsizetype pos_ = 0;
    bool damaged_ = false;
};

} // namespace richtext

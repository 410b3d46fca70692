#include "richtext/RtfTokenizer.h"

#include <algorithm>
#include <climits>
#include <optional>

namespace richtext {

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool endsText(char c) {
    return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n';
}

RtfToken token(RtfToken::Kind kind) {
    RtfToken t;
    t.kind = kind;
    return t;
}

} // namespace

RtfToken RtfTokenizer::next() {
    while (!atEnd()) {
        switch (peek()) {
        case '{':
            ++pos_;
            return token(RtfToken::Kind::GroupOpen);
        case '}':
            ++pos_;
            return token(RtfToken::Kind::GroupClose);
        case '\r':
        case '\n':
            ++pos_;
            break;
        case '\\':
            if (const std::optional<RtfToken> t = control())
                return *t;
            break;
        default:
            return text();
        }
    }
    return token(RtfToken::Kind::End);
}

void RtfTokenizer::skipBinary(int count) {
    if (count > input_.size() - pos_) {
        damaged_ = true;
        count = int(input_.size() - pos_);
    }
    pos_ += std::max(count, 0);
}

bool RtfTokenizer::hasTrailingContent() const {
    return std::any_of(input_.begin() + pos_, input_.end(), [](char c) {
        return c != ' ' && c != '\r' && c != '\n' && c != '\t' && c != '\0';
    });
}

// After a backslash: nothing when the sequence was broken, and the caller reads on.
std::optional<RtfToken> RtfTokenizer::control() {
    ++pos_;
    if (atEnd()) {
        damaged_ = true;
        return std::nullopt;
    }
    const char c = peek();
    if (isLetter(c))
        return word();
    if (c == '\'')
        return hexByte();
    ++pos_;
    if (c == '\r' || c == '\n') {
        RtfToken par = token(RtfToken::Kind::Word);
        par.text = "par";
        return par;
    }
    if (c == '\\' || c == '{' || c == '}') {
        RtfToken escaped = token(RtfToken::Kind::Text);
        escaped.text = input_.sliced(pos_ - 1, 1);
        return escaped;
    }
    RtfToken symbol = token(RtfToken::Kind::Symbol);
    symbol.symbol = c;
    return symbol;
}

RtfToken RtfTokenizer::word() {
    const qsizetype start = pos_;
    while (isLetter(peek()))
        ++pos_;
    RtfToken t = token(RtfToken::Kind::Word);
    t.text = input_.sliced(start, pos_ - start);
    t.parameter = parameter(t.hasParameter);
    if (peek() == ' ')
        ++pos_;
    return t;
}

// Cut to the int range: no stream means more, and no arithmetic on it may overflow.
int RtfTokenizer::parameter(bool& present) {
    const bool negative = peek() == '-' && pos_ + 1 < input_.size() && isDigit(input_[pos_ + 1]);
    if (negative)
        ++pos_;
    present = isDigit(peek());
    qint64 value = 0;
    while (isDigit(peek())) {
        value = std::min<qint64>(value * 10 + (peek() - '0'), INT_MAX);
        ++pos_;
    }
    return int(negative ? -value : value);
}

std::optional<RtfToken> RtfTokenizer::hexByte() {
    ++pos_;
    const int high = hexValue(peek());
    const int low = pos_ + 1 < input_.size() ? hexValue(input_[pos_ + 1]) : -1;
    if (high < 0 || low < 0) {
        damaged_ = true;
        pos_ += high < 0 ? 0 : 1; // a digit of the broken escape is no text
        return std::nullopt;
    }
    pos_ += 2;
    RtfToken t = token(RtfToken::Kind::Byte);
    t.symbol = char(high * 16 + low);
    return t;
}

RtfToken RtfTokenizer::text() {
    const qsizetype start = pos_;
    while (!atEnd() && !endsText(peek()))
        ++pos_;
    RtfToken t = token(RtfToken::Kind::Text);
    t.text = input_.sliced(start, pos_ - start);
    return t;
}

} // namespace richtext

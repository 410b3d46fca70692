#include "richtext/RtfReader.h"

#include "util/Win1252.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <algorithm>

namespace richtext {

namespace {

// Deeper nesting than any writer produces; beyond it the braces still balance, but
// their groups share one state.
constexpr std::size_t kMaxDepth = 1000;

std::string_view name(const RtfToken& token) {
    return {token.text.data(), std::size_t(token.text.size())};
}

bool isOn(const RtfToken& token) {
    return !token.hasParameter || token.parameter != 0;
}

QString decoded(QByteArrayView bytes) {
    return util::fromWin1252(QByteArray::fromRawData(bytes.data(), bytes.size()));
}

// Characters that cannot stand in a paragraph's text: raw control bytes are noise (a
// tab byte is a tab), and Qt keeps its own paragraph, frame and object marks.
bool isNoText(QChar c) {
    const char16_t code = c.unicode();
    return (code < 0x20 && code != u'\t') || code == QChar::ParagraphSeparator || code == 0xFDD0 ||
           code == 0xFDD1 || code == QChar::ObjectReplacementCharacter;
}

Qt::Alignment qtAlignment(Alignment alignment) {
    switch (alignment) {
    case Alignment::Right:
        return Qt::AlignRight;
    case Alignment::Center:
        return Qt::AlignHCenter;
    case Alignment::Justify:
        return Qt::AlignJustify;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace

RtfReader::RtfReader(QByteArrayView rtf, QTextDocument& document)
    : tokens_(rtf), builder_(document), groups_(1) {}

RtfStatus RtfReader::read() {
    while (!finished_) {
        RtfToken token = tokens_.next();
        if (token.kind == RtfToken::Kind::End)
            break;
        if (fallbackLeft_ > 0 && skipFallback(token))
            continue;
        dispatch(token);
    }
    const bool truncated = !finished_;
    finish(group());
    const bool damaged = damaged_ || truncated || tokens_.damaged() || tokens_.hasTrailingContent();
    return damaged ? RtfStatus::Damaged : RtfStatus::Intact;
}

void RtfReader::dispatch(const RtfToken& token) {
    switch (token.kind) {
    case RtfToken::Kind::GroupOpen:
        openGroup();
        break;
    case RtfToken::Kind::GroupClose:
        closeGroup();
        break;
    case RtfToken::Kind::Word:
        onWord(token);
        break;
    case RtfToken::Kind::Symbol:
        onSymbol(token.symbol);
        break;
    case RtfToken::Kind::Byte:
    case RtfToken::Kind::Text:
        if (takesText())
            addText(decoded(token.kind == RtfToken::Kind::Byte ? QByteArrayView(&token.symbol, 1)
                                                               : token.text));
        break;
    case RtfToken::Kind::End:
        break;
    }
}

// The characters a reader that knows \uN skips after it: each byte, escape or control
// word counts one, and a group boundary ends the count. True when nothing is left of the
// token.
bool RtfReader::skipFallback(RtfToken& token) {
    switch (token.kind) {
    case RtfToken::Kind::Text: {
        const qsizetype skipped = std::min<qsizetype>(fallbackLeft_, token.text.size());
        fallbackLeft_ -= int(skipped);
        token.text = token.text.sliced(skipped);
        return token.text.isEmpty();
    }
    case RtfToken::Kind::Word:
        if (name(token) == "bin")
            tokens_.skipBinary(token.parameter);
        --fallbackLeft_;
        return true;
    case RtfToken::Kind::Symbol:
    case RtfToken::Kind::Byte:
        --fallbackLeft_;
        return true;
    case RtfToken::Kind::GroupOpen:
    case RtfToken::Kind::GroupClose:
    case RtfToken::Kind::End:
        break;
    }
    fallbackLeft_ = 0;
    return false;
}

void RtfReader::openGroup() {
    if (groups_.size() >= kMaxDepth) {
        ++overflowDepth_;
        damaged_ = true;
        return;
    }
    Group inner = group();
    inner.starred = false;
    groups_.push_back(inner);
}

void RtfReader::closeGroup() {
    if (overflowDepth_ > 0) {
        --overflowDepth_;
        return;
    }
    if (group().destination == Destination::FontTable)
        addFontEntry();
    if (groups_.size() == 2)
        finish(group()); // the stream's outermost group: the document ends here
    groups_.pop_back();
}

void RtfReader::onWord(const RtfToken& token) {
    Group& current = group();
    if (current.starred) {
        current.starred = false;
        if (name(token) != "pn") {
            current.destination = Destination::Skip;
            return;
        }
    }
    if (name(token) == "bin")
        return tokens_.skipBinary(token.parameter);
    switch (current.destination) {
    case Destination::Skip:
        return;
    case Destination::Bullet:
        return onBulletWord(token);
    case Destination::FontTable:
    case Destination::ColorTable:
    case Destination::Body:
        break;
    }
    if (name(token) == "u") {
        addText(QString(QChar(char16_t(token.parameter))));
        fallbackLeft_ = current.fallbackLength;
    } else if (name(token) == "uc") {
        current.fallbackLength = std::max(token.parameter, 0);
    } else if (current.destination == Destination::FontTable) {
        onFontTableWord(token);
    } else if (current.destination == Destination::ColorTable) {
        onColorTableWord(token);
    } else {
        onBodyWord(token);
    }
}

void RtfReader::onBodyWord(const RtfToken& token) {
    const Handlers& handlers = bodyHandlers();
    if (const auto found = handlers.find(name(token)); found != handlers.end())
        found->second(*this, token);
}

const RtfReader::Handlers& RtfReader::bodyHandlers() {
    const auto character = [](char16_t c) -> Handler {
        return [c](RtfReader& r, const RtfToken&) { r.addText(QString(QChar(c))); };
    };
    const auto charFlag = [](bool CharState::*flag) -> Handler {
        return [flag](RtfReader& r, const RtfToken& t) { r.group().chars.*flag = isOn(t); };
    };
    const auto align = [](Alignment alignment) -> Handler {
        return [alignment](RtfReader& r, const RtfToken&) { r.group().para.alignment = alignment; };
    };
    const auto indent = [](int ParaState::*field) -> Handler {
        return [field](RtfReader& r, const RtfToken& t) {
            r.group().para.*field = std::clamp(t.parameter, -kMaxIndentTwips, kMaxIndentTwips);
        };
    };
    const auto destination = [](Destination d) -> Handler {
        return [d](RtfReader& r, const RtfToken&) { r.group().destination = d; };
    };
    static const Handlers handlers = [&] {
        Handlers h = {
            {"par", [](RtfReader& r, const RtfToken&) { r.endParagraph(); }},
            {"row", [](RtfReader& r, const RtfToken&) { r.endParagraph(); }},
            {"line", character(QChar::LineSeparator)},
            {"tab", character(u'\t')},
            {"cell", character(u'\t')},
            {"nestcell", character(u'\t')},
            {"emdash", character(u'\u2014')},
            {"endash", character(u'\u2013')},
            {"emspace", character(u'\u2003')},
            {"enspace", character(u'\u2002')},
            {"bullet", character(u'\u2022')},
            {"lquote", character(u'\u2018')},
            {"rquote", character(u'\u2019')},
            {"ldblquote", character(u'\u201C')},
            {"rdblquote", character(u'\u201D')},
            {"plain", [](RtfReader& r, const RtfToken&) { r.group().chars = CharState(); }},
            {"f", [](RtfReader& r, const RtfToken& t) { r.group().chars.font = t.parameter; }},
            {"fs",
             [](RtfReader& r, const RtfToken& t) {
                 if (t.parameter > 0)
                     r.group().chars.halfPoints = std::min(t.parameter, kMaxHalfPoints);
             }},
            {"cf", [](RtfReader& r, const RtfToken& t) { r.group().chars.color = t.parameter; }},
            {"b", charFlag(&CharState::bold)},
            {"i", charFlag(&CharState::italic)},
            {"strike", charFlag(&CharState::strikeOut)},
            {"striked", charFlag(&CharState::strikeOut)},
            {"ulnone", [](RtfReader& r, const RtfToken&) { r.group().chars.underline = false; }},
            {"pard", [](RtfReader& r, const RtfToken&) { r.group().para = ParaState(); }},
            {"ql", align(Alignment::Left)},
            {"qr", align(Alignment::Right)},
            {"qc", align(Alignment::Center)},
            {"qj", align(Alignment::Justify)},
            {"fi", indent(&ParaState::firstIndent)},
            {"li", indent(&ParaState::leftIndent)},
            {"ri", indent(&ParaState::rightIndent)},
            // Word's lists: whatever the list, the editor knows bullets only.
            {"ls", [](RtfReader& r, const RtfToken& t) { r.group().para.bullet = isOn(t); }},
            {"pn", [](RtfReader& r, const RtfToken&) { r.startBullet(); }},
            {"deff", [](RtfReader& r, const RtfToken& t) { r.defaultFont_ = t.parameter; }},
            {"fonttbl", destination(Destination::FontTable)},
            {"colortbl", destination(Destination::ColorTable)},
        };
        // Every kind of underline is the editor's one underline.
        for (const char* word : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhair",
                                 "ulth", "ulw", "ulwave"})
            h.emplace(word, charFlag(&CharState::underline));
        // Destinations whose text is not the body's: the text a bullet shows for readers
        // without bullets, pictures, headers and footers, document information.
        for (const char* word : {"pntext", "listtext", "stylesheet", "info", "pict", "object",
                                 "nonshppict", "fldinst", "header", "headerl", "headerr", "headerf",
                                 "footer", "footerl", "footerr", "footerf", "footnote", "xe", "tc"})
            h.emplace(word, destination(Destination::Skip));
        return h;
    }();
    return handlers;
}

void RtfReader::onFontTableWord(const RtfToken& token) {
    if (name(token) != "f")
        return;
    addFontEntry();
    fontEntry_ = token.parameter;
}

void RtfReader::onColorTableWord(const RtfToken& token) {
    int* component = name(token) == "red"     ? &red_
                     : name(token) == "green" ? &green_
                     : name(token) == "blue"  ? &blue_
                                              : nullptr;
    if (!component)
        return;
    *component = std::clamp(token.parameter, 0, 255);
    colorGiven_ = true;
}

void RtfReader::onBulletWord(const RtfToken& token) {
    if (name(token) == "pnlvlcont")
        bulletOwner().bullet = false;
}

void RtfReader::onSymbol(char symbol) {
    switch (symbol) {
    case '*':
        group().starred = true;
        break;
    case '~':
        addText(QString(QChar::Nbsp));
        break;
    case '_':
        addText(QString(QChar(0x2011)));
        break;
    case '-':
        addText(QString(QChar::SoftHyphen));
        break;
    default:
        break;
    }
}

bool RtfReader::takesText() const {
    const Destination d = groups_.back().destination;
    return d != Destination::Skip && d != Destination::Bullet;
}

void RtfReader::addText(const QString& text) {
    switch (group().destination) {
    case Destination::Body:
        return addBodyText(text);
    case Destination::FontTable:
    case Destination::ColorTable:
        return addTableText(text);
    case Destination::Bullet:
    case Destination::Skip:
        break;
    }
}

void RtfReader::addBodyText(QString text) {
    text.removeIf(isNoText);
    if (text.isEmpty())
        return;
    if (!pendingText_.isEmpty() && pendingChars_ != group().chars)
        flushText();
    if (pendingText_.isEmpty())
        pendingChars_ = group().chars;
    pendingText_ += text;
}

// Entries end at a semicolon; a font entry may also end with its group or at the next \f.
void RtfReader::addTableText(const QString& text) {
    const bool fonts = group().destination == Destination::FontTable;
    for (const QChar c : text) {
        if (c == u';')
            fonts ? addFontEntry() : addColorEntry();
        else if (fonts)
            fontName_ += c;
    }
}

// A family name is one line of text.
void RtfReader::addFontEntry() {
    fontName_.removeIf(
        [](QChar c) { return isNoText(c) || c == u'\t' || c == QChar::LineSeparator; });
    const QString family = fontName_.trimmed();
    fontName_.clear();
    if (!family.isEmpty())
        fonts_.insert(fontEntry_, family);
}

void RtfReader::addColorEntry() {
    colors_.push_back(colorGiven_ ? std::optional(QColor(red_, green_, blue_)) : std::nullopt);
    red_ = green_ = blue_ = 0;
    colorGiven_ = false;
}

// {\*\pn ...} describes the bullet of the paragraph around it.
void RtfReader::startBullet() {
    group().destination = Destination::Bullet;
    bulletOwner().bullet = true;
}

ParaState& RtfReader::bulletOwner() {
    const auto owner = std::find_if(groups_.rbegin(), groups_.rend(), [](const Group& g) {
        return g.destination == Destination::Body;
    });
    return owner == groups_.rend() ? groups_.front().para : owner->para;
}

void RtfReader::endParagraph() {
    flushText();
    const Group& current = group();
    builder_.endParagraph(blockFormat(current.para), charFormat(current.chars),
                          current.para.bullet);
}

void RtfReader::flushText() {
    if (pendingText_.isEmpty())
        return;
    builder_.insertText(pendingText_, charFormat(pendingChars_));
    pendingText_.clear();
}

void RtfReader::finish(const Group& last) {
    if (finished_)
        return;
    finished_ = true;
    flushText();
    builder_.finish(blockFormat(last.para), charFormat(last.chars), last.para.bullet);
}

QTextCharFormat RtfReader::charFormat(const CharState& state) const {
    QTextCharFormat format;
    const auto font = fonts_.constFind(state.font < 0 ? defaultFont_ : state.font);
    if (font != fonts_.constEnd())
        format.setFontFamilies({*font});
    format.setFontPointSize(state.halfPoints / 2.0);
    if (state.color > 0 && std::size_t(state.color) < colors_.size() && colors_[state.color])
        format.setForeground(*colors_[state.color]);
    format.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(state.italic);
    format.setFontUnderline(state.underline);
    format.setFontStrikeOut(state.strikeOut);
    return format;
}

QTextBlockFormat RtfReader::blockFormat(const ParaState& state) const {
    QTextBlockFormat format;
    format.setAlignment(qtAlignment(state.alignment));
    format.setLeftMargin(pixelsFromTwips(state.leftIndent));
    format.setRightMargin(pixelsFromTwips(state.rightIndent));
    format.setTextIndent(
        pixelsFromTwips(state.firstIndent + (state.bullet ? kBulletHangTwips : 0)));
    return format;
}

} // namespace richtext

#include "richtext/TextLines.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace richtext {

TextLines::TextLines(QTextDocument& document) : document_(document) {
    index();
}

QString TextLines::text(int line) const {
    const Line& l = lines_.at(line);
    return document_.findBlockByNumber(l.block).text().mid(l.start, l.length);
}

void TextLines::replace(int line, int position, int length, const QString& text) {
    const Line& l = lines_.at(line);
    position = std::clamp(position, 0, l.length);
    length = std::clamp(length, 0, l.length - position);
    const int start = document_.findBlockByNumber(l.block).position() + l.start + position;

    QTextCursor probe(&document_);
    probe.setPosition(length > 0 ? start + 1 : start);
    const QTextCharFormat format = probe.charFormat();

    const int blocks = document_.blockCount();
    QTextCursor cursor(&document_);
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    cursor.insertText(text, format);

    if (document_.blockCount() != blocks || text.contains(QChar::LineSeparator))
        index();
    else
        moveFollowingLines(line, int(text.size()) - length);
}

void TextLines::index() {
    lines_.clear();
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        int start = 0;
        for (;;) {
            const qsizetype end = text.indexOf(QChar::LineSeparator, start);
            const int stop = end < 0 ? int(text.size()) : int(end);
            lines_.push_back({block.blockNumber(), start, stop - start});
            if (end < 0)
                break;
            start = stop + 1;
        }
    }
}

// The line grew or shrank; the lines after it in the same paragraph moved with it.
void TextLines::moveFollowingLines(int line, int delta) {
    const int block = lines_[line].block;
    lines_[line].length += delta;
    for (auto l = lines_.begin() + line + 1; l != lines_.end() && l->block == block; ++l)
        l->start += delta;
}

} // namespace richtext

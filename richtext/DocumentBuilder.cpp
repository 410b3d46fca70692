#include "richtext/DocumentBuilder.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextList>
#include <QTextListFormat>

namespace richtext {

DocumentBuilder::DocumentBuilder(QTextDocument& document) : cursor_(&document) {
    cursor_.movePosition(QTextCursor::End);
}

void DocumentBuilder::insertText(const QString& text, const QTextCharFormat& format) {
    openPendingParagraph();
    cursor_.insertText(text, format);
}

void DocumentBuilder::endParagraph(const QTextBlockFormat& format, const QTextCharFormat& mark,
                                   bool bullet) {
    openPendingParagraph();
    formatParagraph(format, mark, bullet);
    paragraphPending_ = true;
}

void DocumentBuilder::finish(const QTextBlockFormat& format, const QTextCharFormat& mark,
                             bool bullet) {
    if (!paragraphPending_)
        formatParagraph(format, mark, bullet);
}

// The block for the next paragraph is made only when something goes into it, so the
// mark that ends a stream leaves no empty paragraph behind.
void DocumentBuilder::openPendingParagraph() {
    if (!paragraphPending_)
        return;
    cursor_.insertBlock();
    paragraphPending_ = false;
}

void DocumentBuilder::formatParagraph(const QTextBlockFormat& format, const QTextCharFormat& mark,
                                      bool bullet) {
    cursor_.setBlockFormat(format);
    cursor_.setBlockCharFormat(mark);
    if (!bullet) {
        list_ = nullptr;
        return;
    }
    if (list_) {
        list_->add(cursor_.block());
        return;
    }
    // The paragraph's own indents place the text; Qt's default list level would add to them.
    QTextListFormat listFormat;
    listFormat.setStyle(QTextListFormat::ListDisc);
    listFormat.setIndent(0);
    list_ = cursor_.createList(listFormat);
}

} // namespace richtext

#pragma once

#include <QTextCursor>

class QTextBlockFormat;
class QTextCharFormat;
class QTextDocument;
class QTextList;

namespace richtext {

// Appends paragraphs to a document the way an RTF stream delivers them: text first, the
// paragraph's formatting when its mark arrives. Consecutive bullet paragraphs share one
// list.
class DocumentBuilder {
public:
    explicit DocumentBuilder(QTextDocument& document);

    void insertText(const QString& text, const QTextCharFormat& format);
    // The paragraph mark: its format applies to the whole paragraph; `mark` is the
    // character format of the mark, which gives an empty paragraph its height.
    void endParagraph(const QTextBlockFormat& format, const QTextCharFormat& mark, bool bullet);
    // The end of the stream: text after the last mark is a paragraph of its own, nothing
    // after it is none.
    void finish(const QTextBlockFormat& format, const QTextCharFormat& mark, bool bullet);

private:
    void openPendingParagraph();
    void formatParagraph(const QTextBlockFormat& format, const QTextCharFormat& mark, bool bullet);

    QTextCursor cursor_;
    QTextList* list_ = nullptr;
    bool paragraphPending_ = false;
};

} // namespace richtext

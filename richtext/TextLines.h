#pragma once

#include <QString>

#include <vector>

class QTextDocument;

namespace richtext {

// A document as plain text, line by line, where a line ends at a paragraph or at a line
// break (not where the layout wraps it): the lines placeholders are looked for in.
// Replacing characters of a line keeps the formatting of the text around them.
class TextLines {
public:
    explicit TextLines(QTextDocument& document);

    int count() const { return int(lines_.size()); }
    // Throws std::out_of_range for a line the document has not.
    QString text(int line) const;
    // Replaces `length` characters from `position` (both cut to the line) by `text`, which
    // takes the format of the first character replaced, or of the one before when the
    // range is empty.
    void replace(int line, int position, int length, const QString& text);

private:
    struct Line {
        int block;
        int start; // within the block
        int length;
    };

    void index();
    void moveFollowingLines(int line, int delta);

    QTextDocument& document_;
    std::vector<Line> lines_;
};

} // namespace richtext

#pragma once

#include <QString>

namespace db {
class Field;
}

// A fixed-position record built row by row, in the order of its layout table: each row
// must start where the previous one ended, or the slip is an error at once. A content
// wider than its row is kept whole, never cut, so the record comes out longer than it
// should and the writer's length check refuses it: a figure is never truncated.
class Layout {
public:
    explicit Layout(int length) : length_(length) {}

    // The content as it stands.
    Layout& put(int position, int width, const QString& content);
    Layout& blanks(int position, int width);
    // Compacted, trimmed, blank-filled and cut to the width.
    Layout& text(int position, int width, const QString& value);
    Layout& text(int position, int width, const db::Field& field);
    // The field's text zero-filled on the left.
    Layout& count(int position, int width, const db::Field& field);
    // Cents zero-filled, "N" and the lower digits below zero.
    Layout& amount(int position, int width, double euros);
    Layout& amount(int position, int width, const db::Field& field);

    const QString& result() const { return text_; }
    // The length the layout table gives the record.
    int length() const { return length_; }

private:
    int length_;
    int next_ = 1;
    QString text_;
};

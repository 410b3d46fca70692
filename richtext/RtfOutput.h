#pragma once

#include <QByteArray>
#include <QStringView>

namespace richtext {

// RTF text as it is written: control words with their delimiters, groups, and text
// escaped for the Windows-1252 code page.
class RtfOutput {
public:
    void word(const char* name);
    void word(const char* name, int value);
    void symbol(char symbol);
    void openGroup();
    void closeGroup();
    // Tabs and line separators become \tab and \line; characters outside the code page
    // \uN with '?' for readers without Unicode.
    void text(QStringView text);
    void newLine();

    const QByteArray& bytes() const { return out_; }

private:
    void character(QChar c);
    void byte(uchar value);

    QByteArray out_;
    bool afterWord_ = false; // the next text needs a blank to end the word
};

} // namespace richtext

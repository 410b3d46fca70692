#pragma once

#include "richtext/DocumentBuilder.h"
#include "richtext/Rtf.h"
#include "richtext/RtfState.h"
#include "richtext/RtfTokenizer.h"

#include <QColor>
#include <QHash>
#include <QString>

#include <functional>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

class QTextBlockFormat;
class QTextCharFormat;

namespace richtext {

// Reads an RTF stream into a document: tables, destinations and the formatting state of
// every group, as word processors and RichEdit write them. Unknown control words are
// ignored, and the groups of destinations that hold no body text are skipped. The stream
// starts with its outermost group, and reading ends where that group ends.
class RtfReader {
public:
    RtfReader(QByteArrayView rtf, QTextDocument& document);

    RtfStatus read();

private:
    enum class Destination { Body, FontTable, ColorTable, Bullet, Skip };

    struct Group {
        CharState chars;
        ParaState para;
        Destination destination = Destination::Body;
        int fallbackLength = 1; // \ucN
        bool starred = false;   // after \*: skipped unless the destination is known
    };

    using Handler = std::function<void(RtfReader&, const RtfToken&)>;
    using Handlers = std::unordered_map<std::string_view, Handler>;
    static const Handlers& bodyHandlers();

    void dispatch(const RtfToken& token);
    bool skipFallback(RtfToken& token);
    void openGroup();
    void closeGroup();
    void onWord(const RtfToken& token);
    void onBodyWord(const RtfToken& token);
    void onFontTableWord(const RtfToken& token);
    void onColorTableWord(const RtfToken& token);
    void onBulletWord(const RtfToken& token);
    void onSymbol(char symbol);
    bool takesText() const;
    void addText(const QString& text);
    void addBodyText(QString text);
    void addTableText(const QString& text);
    void addFontEntry();
    void addColorEntry();
    void startBullet();
    ParaState& bulletOwner();
    void endParagraph();
    void flushText();
    void finish(const Group& last);
    QTextCharFormat charFormat(const CharState& state) const;
    QTextBlockFormat blockFormat(const ParaState& state) const;
    Group& group() { return groups_.back(); }

    RtfTokenizer tokens_;
    DocumentBuilder builder_;
    std::vector<Group> groups_;
    int overflowDepth_ = 0;
    int fallbackLeft_ = 0;
    bool damaged_ = false;
    bool finished_ = false;

    QHash<int, QString> fonts_;
    int defaultFont_ = 0;
    int fontEntry_ = 0;
    QString fontName_;

    std::vector<std::optional<QColor>> colors_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorGiven_ = false;

    QString pendingText_;
    CharState pendingChars_;
};

} // namespace richtext

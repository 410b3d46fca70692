#include "platform/SafeFileName.h"

namespace platform {
namespace {

bool forbidden(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7F || QStringView(u"\\/:*?\"<>|").contains(c);
}

} // namespace

QString safeFileName(const QString& name) {
    QString safe = name;
    for (QChar& c : safe)
        if (forbidden(c))
            c = u'_';
    qsizetype first = 0;
    while (first < safe.size() && safe[first] == u'.')
        ++first;
    qsizetype end = safe.size();
    while (end > first && (safe[end - 1] == u' ' || safe[end - 1] == u'.'))
        --end;
    safe = safe.mid(first, end - first);
    return safe.isEmpty() ? QStringLiteral("_") : safe; // never the folder itself
}

} // namespace platform

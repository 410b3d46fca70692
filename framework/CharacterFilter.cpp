#include "framework/CharacterFilter.h"

#include <QKeyEvent>

const QString CharacterFilter::kAlphanumeric =
    QStringLiteral(" &',-./0123456789:;ABCDEFGHIJKLMNOPQRSTUVWXYZ_\u00B4\u00C7\u00D1");
const QString CharacterFilter::kAlphabetic =
    QStringLiteral(" ',-.ABCDEFGHIJKLMNOPQRSTUVWXYZ\u00B4\u00C7\u00D1");

bool CharacterFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const QString text = static_cast<QKeyEvent*>(event)->text();
    if (text.isEmpty() || text.at(0).unicode() < 32 || text.at(0).unicode() == 127)
        return false;
    return std::any_of(text.begin(), text.end(), [this](QChar c) { return !allowed_.contains(c); });
}

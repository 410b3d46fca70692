#pragma once

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QWidget>

// Forms a test left open go without asking, before their modules go with the fixture.
inline void closeWindows() {
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!w->parentWidget())
            windows << w;
    qDeleteAll(windows);
}

#pragma once

#include <QIcon>

// The record navigator's glyphs, drawn in one style: first, prior, next, last, new,
// delete, edit, save, cancel, refresh (in that order).
QIcon navigatorGlyph(int button);

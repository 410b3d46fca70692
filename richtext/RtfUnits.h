#pragma once

// Measures shared by the reader and the writer.
namespace richtext {

// Qt keeps indents in pixels at 96 dpi (as its own ODF writer assumes), RTF in twips.
constexpr double kTwipsPerPixel = 1440.0 / 96.0;

// RTF's default font size when a stream names none: 12 points.
constexpr int kDefaultHalfPoints = 24;

// Bounds of what a stream may ask for, as Word accepts them: 1638 points, and indents
// within the widest page (22 inches). Beyond them no layout is sensible.
constexpr int kMaxHalfPoints = 3276;
constexpr int kMaxIndentTwips = 31680;

// Word processors hang a bullet this far left of its text, and Qt draws the bullet
// left of the text: so a bullet paragraph's first-line indent is kept in Qt with this
// room added back, and its text starts where the word processor shows it.
constexpr int kBulletHangTwips = 360;

inline double pixelsFromTwips(int twips) {
    return twips / kTwipsPerPixel;
}

} // namespace richtext

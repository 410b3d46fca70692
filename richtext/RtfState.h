#pragma once

#include "richtext/RtfUnits.h"

// The formatting state of an RTF stream at one point, in RTF's own terms: indexes into
// the font and colour tables, half-points and twips.
namespace richtext {

struct CharState {
    int font = -1; // -1: the stream's default font (\deff)
    int halfPoints = kDefaultHalfPoints;
    int color = 0; // 0: automatic colour
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const CharState&) const = default;
};

enum class Alignment { Left, Right, Center, Justify };

struct ParaState {
    Alignment alignment = Alignment::Left;
    int firstIndent = 0;
    int leftIndent = 0;
    int rightIndent = 0;
    bool bullet = false;

    bool operator==(const ParaState&) const = default;
};

} // namespace richtext

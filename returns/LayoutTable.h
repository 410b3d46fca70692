#pragma once

#include <span>

// A page or record of an agency file as its official table states it: rows of position,
// length, kind and source, in order. The writer fills a table (LayoutWriter), the viewer
// reads a written file back through the same table (readLayout).
namespace layout {

enum class Kind {
    Const,   // the source itself
    Text,    // a field, compacted, trimmed, blank-filled and cut (RellenaDerecha)
    Count,   // a field's digits, zero-filled on the left (CerosIzquierda)
    Amount,  // a field in cents, zero-filled, "N" below zero (ImporteN)
    Percent, // a rate in hundredths, as an amount (ImporteN); zeros while its base writes 0
    Date,    // a date field as yyyymmdd, blanks when null
    DateDMY, // a date field as ddmmyyyy, blanks when null
    Blanks,
    Zeros,
    Mark,    // "X" when a yes/no field holds 1, else a blank
    Nif,     // a tax number as stored, a shorter one zero-filled on the left; blanks when none
    Rule,    // what the model's rule of that name composes
};

struct Table;

struct Row {
    int position;
    int length;
    Kind kind;
    const char* source = ""; // field, constant or rule
    const char* box = "";    // the official box number, where the row is one
    const char* base = "";   // of a Percent: the amount the rate applies to
    // Of a Rule: the tables one of which it writes (a block that is there or a filler), so
    // that the viewer and the form can name what is inside.
    std::span<const Table> variants = {};
};

struct Table {
    const char* name; // "página 1", "registro de tipo 1"
    int length;
    std::span<const Row> rows;
};

} // namespace layout

#pragma once

#include "returns/LayoutTable.h"

#include <QString>
#include <QStringView>

#include <vector>

// A written page or record read back through its layout table: what each row holds, what
// it means (an amount in euros, a count, a date) and what does not fit.
struct LayoutField {
    const layout::Row* row;
    QString content; // the characters at the row's positions
    QString value;   // the content read: "1.234,56" for an amount, "05/03/2018" for a date
    QString fault;   // empty when the content fits its kind
};

// The rows that lie inside `text`; a row the text ends in is read as far as it goes and
// flagged.
std::vector<LayoutField> readLayout(const layout::Table& table, QStringView text);

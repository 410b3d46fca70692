#pragma once

#include "returns/LayoutTable.h"
#include "util/Error.h"

#include <QString>

#include <functional>

namespace db {
class Value;
}

// A row that does not fit its table: the text names the model, the table, the position
// and the box.
class LayoutError : public tributra::Error {
public:
    using Error::Error;
};

// Fills a layout table. Every row is checked on its own: it starts where the previous one
// ended, lies inside the table, and its content is exactly its length. Texts are filled
// and cut to their width; a figure or a rule's content that does not fit is an error
// naming the model, the table, the position and the box: nothing is ever cut from a figure.
class LayoutWriter {
public:
    using Fields = std::function<db::Value(const QString& name)>;
    using Rules = std::function<QString(const QString& name)>;

    LayoutWriter(QString model, Fields fields, Rules rules = {});

    // The table's text: as long as its rows reach, which the caller checks against the
    // table's length with its own message.
    QString write(const layout::Table& table) const;

    // A tax number in a field of `ancho`: a shorter one zero-filled on the left, as the agency
    // reads it, so no later field moves; blanks when there is none.
    static QString nif(const QString& nif, int ancho);

private:
    QString content(const layout::Row& row) const;

    QString model_;
    Fields fields_;
    Rules rules_;
};

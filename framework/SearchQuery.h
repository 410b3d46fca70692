#pragma once

#include <QString>

// The statement of the search dialog: the lookup's SELECT, filtered by a prefix of the
// search column and ordered by it.
class SearchQuery {
public:
    explicit SearchQuery(const QString& baseSelect) : base_(baseSelect) {}

    // False when the column already is the search column.
    bool EstableceCampo(const QString& column);
    const QString& column() const { return column_; }
    QString select() const;

    // What the parameter VALOR gets for the typed text: a prefix with "%" while the
    // text is shorter than the column, the text cut to the column's size otherwise.
    struct Value {
        QString valor;
        QString text; // what the edit must show
    };
    static Value valueFor(const QString& typed, int columnSize);

private:
    QString base_;
    QString column_;
};

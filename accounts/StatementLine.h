#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <span>

// A line of the annual accounts as the official model states it: its code, its caption and
// where its figure comes from. Account lists are the leading digits of the accounts summed
// ("20, 280, 290"); a total lists the codes it adds ("11100 + 11200").
namespace accounts {

enum class Source {
    Accounts,        // the sum of the balances of the accounts listed
    NegatedAccounts, // that sum negated: credit balances shown positive
    Total,           // the sum of other lines
    ByHand,          // typed, never captured
};

struct Line {
    const char* code;
    const char* caption;
    Source source;
    const char* list = "";
    // Accounts split by the sign of their own balance: "5523+" adds the balance when it is
    // positive, "551-" subtracts it when it is negative.
    const char* conditional = "";
};

// A statement of the accounts: its table, its lines in the table's column order, the
// last accounting period it sums (13 takes the closing regularisation in), and the total
// lines of the current year the user may type over.
struct Statement {
    QString table;
    std::span<const Line> lines;
    int lastPeriod;
    QString caption; // of its form, before the taxpayer's name
    QStringList typedOverTotals;
};

// The column of a line: "C11000" for exercise 2017, "C110009" for 2016.
QString column(const char* code, bool previous);
// EMPRESA, then every line of 2017, then every line of 2016: the deposit file's order.
QStringList columns(const Statement& statement);
// "20, 280, 290" or "11100 + 11200" as numbers.
QList<int> numbers(const char* list);

} // namespace accounts

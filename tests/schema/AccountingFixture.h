#pragma once

#include "AccountingTestDatabase.h"
#include "QtPrinters.h"
#include "TempDir.h"
#include "db/DataSet.h"
#include "db/Statement.h"
#include "db/Transaction.h"

#include <QDate>
#include <QVariant>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

using Params = std::vector<std::pair<QString, QVariant>>;

// Cents are what the sample posts; sums of doubles differ from them by far less.
constexpr double kCent = 0.005;

// A copy of a small generated sample, with what the tests need to read it: the
// statements as the returns send them, and plain queries of the journal and the
// register that compute the same figures another way.
class AccountingTest : public ::testing::Test {
protected:
    explicit AccountingTest(
        schema::AccountingSample::Taxpayer taxpayer = schema::AccountingSample::Taxpayer::Company)
        : sample(dir, AccountingTestDatabase::smallSample(taxpayer)) {}

    // The company number of a year, read as the returns read it; 0 when there is none.
    int company(int year) {
        db::Statement q(database(), transaction);
        q.setSql(QStringLiteral("SELECT EMPRESA FROM T_PARAMETROS WHERE EJERCICIO = :EJERCICIO"));
        q.setParam(QStringLiteral("EJERCICIO"), year);
        q.execute();
        return q.eof() ? 0 : q.field(QStringLiteral("EMPRESA")).asInteger();
    }

    // A statement run with its parameters, on its first row.
    std::unique_ptr<db::Statement> run(const QString& sql, const Params& params) {
        auto q = std::make_unique<db::Statement>(database(), transaction);
        q->setSql(sql);
        for (const auto& [name, value] : params)
            q->setParam(name, value);
        q->execute();
        return q;
    }

    // A dataset opened on a statement with its parameters.
    std::unique_ptr<db::DataSet> open(const QString& sql, const Params& params) {
        auto ds = std::make_unique<db::DataSet>(database(), transaction);
        ds->setSelectSql(sql);
        for (const auto& [name, value] : params)
            ds->setParam(name, value);
        ds->open();
        return ds;
    }

    // The first column of a plain query; 0 when it is null.
    double value(const QString& sql, const Params& params) {
        return run(sql, params)->field(0).asFloat();
    }

    // Debit minus credit of the journal lines of a company's year that meet the condition.
    double journal(int company, int year, const QString& condition, const Params& params = {}) {
        Params all = params;
        all.emplace_back(QStringLiteral("E"), company);
        all.emplace_back(QStringLiteral("Y"), year);
        return value(QStringLiteral("select sum(DEBE - HABER) from T_APUNTES "
                                    "where EMPRESA = :E and EJERCICIO = :Y and ") +
                         condition,
                     all);
    }

    db::Database& database() { return sample.database(); }

    TempDir dir;
    AccountingTestDatabase sample;
    db::Transaction transaction{database()};
};

// The quarters of a year, as the returns give them.
struct Quarter {
    int number;
    QDate from;
    QDate to;
};

inline std::vector<Quarter> quarters(int year) {
    std::vector<Quarter> q;
    for (int n = 1; n <= 4; ++n) {
        const QDate from(year, 3 * n - 2, 1);
        q.push_back({n, from, from.addMonths(3).addDays(-1)});
    }
    return q;
}

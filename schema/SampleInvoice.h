#pragma once

#include <QDate>
#include <QString>

#include <array>
#include <vector>

namespace schema {

class SampleRandom;
struct SampleOperation;
struct SampleParty;

// Cents of a rate given in tenths of a per cent, halves up.
inline qint64 percentOf(qint64 cents, int tenths) {
    return (cents * tenths + 500) / 1000;
}

// One line of an entry; amounts in cents.
struct JournalLine {
    QString account;
    qint64 debit = 0;
    qint64 credit = 0;
};

// An invoice of the sample, amounts in cents, with what its entry posts.
struct SampleInvoice {
    // Rates of the three slots and of their surcharges, in tenths of a per cent.
    static constexpr std::array<int, 3> kRates = {210, 100, 40};
    static constexpr std::array<int, 3> kSurcharges = {52, 14, 5};

    const SampleOperation* operation = nullptr;
    const SampleParty* party = nullptr;
    QDate date;
    QString number;
    qint64 exempt = 0;
    std::array<qint64, 3> bases{};
    std::array<qint64, 3> quotas{};
    std::array<qint64, 3> surcharges{};
    qint64 withholding = 0;

    // An invoice of the operation with bases drawn within its amounts.
    static SampleInvoice draw(const SampleOperation& operation, const SampleParty& party,
                              SampleRandom& random);

    qint64 total() const;
    std::vector<JournalLine> lines() const;
};

} // namespace schema

#pragma once

#include "schema/AccountingSample.h"

#include <QChar>
#include <QString>

#include <utility>
#include <vector>

namespace schema {

struct SampleParty {
    QString account;
    QString name;
    QString taxNumber;
    QString postalCode; // empty abroad
};

// A kind of invoice that the taxpayer issues ("R") or receives ("S").
struct SampleOperation {
    int party; // index into the profile's parties
    QChar book;
    QChar vatKind;
    QChar entryKind;
    QString account; // income or expense
    int minEuros;
    int maxEuros;
    std::vector<int> rateSlots; // rate slots used, 1 to 3; none for an exempt base
    bool surcharge = false;
    int withholdingTenths = 0; // of a per cent: 150 is 15 %
    QString withholdingAccount;
    int weight = 1;        // how often it is drawn, against the others
    qint64 exactCents = 0; // a base of exactly these cents instead of a drawn one
};

struct SampleEmployee {
    int party;
    int grossEuros; // a month's
    int withholdingTenths;
};

// What a kind of taxpayer does: its third parties, its invoices and its payroll.
struct SampleProfile {
    QString name;
    bool person = false; // results and taxes borne go to the owner
    std::vector<SampleParty> parties;
    std::vector<SampleOperation> drawn;                  // drawn invoicesPerMonth times a month
    std::vector<SampleOperation> monthly;                // once every month
    std::vector<std::pair<int, SampleOperation>> yearly; // once a year, in that month
    std::vector<SampleEmployee> employees;
    std::vector<std::pair<QString, qint64>> opening; // the first year's, cents, debit positive
};

SampleProfile sampleProfile(AccountingSample::Taxpayer taxpayer);

} // namespace schema

#include "schema/SampleInvoice.h"

#include "schema/SampleProfile.h"
#include "schema/SampleRandom.h"

#include <numeric>

namespace schema {
namespace {

const QString kInputVat = QStringLiteral("47200000");
const QString kOutputVat = QStringLiteral("47700000");

qint64 sum(const std::array<qint64, 3>& amounts) {
    return std::accumulate(amounts.begin(), amounts.end(), qint64(0));
}

// Received from another member state, or under the reverse charge: the buyer accrues the
// quota it deducts.
bool selfAssessed(const SampleOperation& operation) {
    return operation.book == u'S' &&
           (operation.vatKind == u'2' || operation.vatKind == u'6' || operation.vatKind == u'5');
}

} // namespace

SampleInvoice SampleInvoice::draw(const SampleOperation& operation, const SampleParty& party,
                                  SampleRandom& random) {
    SampleInvoice invoice;
    invoice.operation = &operation;
    invoice.party = &party;
    // An exact base draws nothing, so that the invoices after it stay as they were.
    auto amount = [&] {
        return operation.exactCents ? operation.exactCents
                                    : random.between(qint64(operation.minEuros) * 100,
                                                     qint64(operation.maxEuros) * 100);
    };
    if (operation.rateSlots.empty())
        invoice.exempt = amount();
    for (int slot : operation.rateSlots) {
        const size_t i = size_t(slot - 1);
        invoice.bases[i] = amount();
        invoice.quotas[i] = percentOf(invoice.bases[i], kRates[i]);
        if (operation.surcharge)
            invoice.surcharges[i] = percentOf(invoice.bases[i], kSurcharges[i]);
    }
    invoice.withholding = percentOf(sum(invoice.bases), operation.withholdingTenths);
    return invoice;
}

qint64 SampleInvoice::total() const {
    return exempt + sum(bases) + sum(quotas) + sum(surcharges);
}

std::vector<JournalLine> SampleInvoice::lines() const {
    const qint64 base = exempt + sum(bases);
    const qint64 vat = sum(quotas) + sum(surcharges);
    std::vector<JournalLine> lines;
    if (operation->book == u'R') {
        lines.push_back({party->account, total() - withholding, 0});
        if (withholding)
            lines.push_back({operation->withholdingAccount, withholding, 0});
        lines.push_back({operation->account, 0, base});
        if (vat)
            lines.push_back({kOutputVat, 0, vat});
        return lines;
    }
    lines.push_back({operation->account, base, 0});
    if (vat)
        lines.push_back({kInputVat, vat, 0});
    const bool accrues = selfAssessed(*operation);
    if (accrues && vat)
        lines.push_back({kOutputVat, 0, vat});
    if (withholding)
        lines.push_back({operation->withholdingAccount, 0, withholding});
    lines.push_back({party->account, 0, (accrues ? base : total()) - withholding});
    return lines;
}

} // namespace schema

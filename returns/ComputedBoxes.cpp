#include "returns/ComputedBoxes.h"

#include "db/DataSet.h"
#include "util/Error.h"

#include <QHash>
#include <QSet>

#include <numeric>

namespace formula {

double sum(std::span<const double> v) {
    return std::accumulate(v.begin(), v.end(), 0.0);
}

double difference(std::span<const double> v) {
    return v.empty() ? 0 : v[0] - sum(v.subspan(1));
}

double copy(std::span<const double> v) {
    return v.empty() ? 0 : v[0];
}

double percentage(std::span<const double> v) {
    return v.size() < 2 ? 0 : v[0] * v[1] / 100;
}

double twoPercent(std::span<const double> v) {
    return v.empty() ? 0 : 0.02 * v[0];
}

} // namespace formula

namespace {

// Depth first, inputs before results; `path` holds the boxes being visited, to name a cycle.
class Sorter {
public:
    Sorter(std::span<const ComputedBox> boxes) : boxes_(boxes) {
        for (const ComputedBox& b : boxes) {
            if (byResult_.contains(b.result))
                throw tributra::Error(
                    QStringLiteral("La casilla %1 se calcula dos veces").arg(b.result));
            byResult_.insert(b.result, &b);
        }
        for (const ComputedBox& b : boxes)
            visit(b);
    }

    std::vector<const ComputedBox*> order;

private:
    void visit(const ComputedBox& box) {
        if (done_.contains(&box))
            return;
        if (path_.contains(box.result))
            throw tributra::Error(QStringLiteral("Las casillas calculadas forman un ciclo: %1")
                                      .arg((path_.mid(path_.indexOf(box.result)) << box.result)
                                               .join(QStringLiteral(" → "))));
        path_ << box.result;
        for (const QString& input : box.inputs)
            if (const ComputedBox* from = byResult_.value(input))
                visit(*from);
        path_.removeLast();
        done_.insert(&box);
        order.push_back(&box);
    }

    std::span<const ComputedBox> boxes_;
    QHash<QString, const ComputedBox*> byResult_;
    QSet<const ComputedBox*> done_;
    QStringList path_;
};

// Restores the flag on every way out of a ripple.
class Rippling {
public:
    explicit Rippling(bool& flag) : flag_(flag) { flag_ = true; }
    ~Rippling() { flag_ = false; }
    Rippling(const Rippling&) = delete;
    Rippling& operator=(const Rippling&) = delete;

private:
    bool& flag_;
};

} // namespace

ComputedBoxes::ComputedBoxes(db::DataSet& record, std::span<const ComputedBox> boxes,
                             TextValue textValue)
    : record_(record), textValue_(textValue), order_(Sorter(boxes).order),
      pending_(order_.size()) {
    for (const ComputedBox* box : order_)
        for (const QString& input : box->inputs)
            if (!names_.contains(input))
                names_ << input;
    // What a change of each input reaches: the boxes that read it, and what reads those.
    for (const QString& name : names_) {
        std::vector<bool> reached(order_.size());
        QStringList changed = {name};
        for (size_t i = 0; i < order_.size(); ++i) // in order, so results come after inputs
            for (const QString& input : order_[i]->inputs)
                if (!reached[i] && changed.contains(input)) {
                    reached[i] = true;
                    changed << order_[i]->result;
                }
        reaches_.push_back(std::move(reached));
    }
    record_.onFieldChange(names_, [this](db::Field& f) { changed(f.name()); });
}

bool ComputedBoxes::computes(const QString& field) const {
    return std::any_of(order_.begin(), order_.end(),
                       [&](const ComputedBox* b) { return b->result == field; });
}

bool ComputedBoxes::locked(const QString& field) const {
    return std::any_of(order_.begin(), order_.end(), [&](const ComputedBox* b) {
        return b->result == field && !b->typedOver;
    });
}

void ComputedBoxes::changed(const QString& field) {
    const qsizetype slot = names_.indexOf(field);
    if (slot < 0)
        return;
    for (size_t i = 0; i < order_.size(); ++i)
        if (reaches_[slot][i])
            pending_[i] = true;
    if (!rippling_)
        ripple();
}

void ComputedBoxes::ripple() {
    Rippling guard(rippling_);
    for (;;) {
        const auto next = std::find(pending_.begin(), pending_.end(), true);
        if (next == pending_.end())
            return;
        *next = false;
        compute(*order_[size_t(next - pending_.begin())]);
    }
}

void ComputedBoxes::compute(const ComputedBox& box) {
    std::vector<double> values;
    values.reserve(size_t(box.inputs.size()));
    for (const QString& input : box.inputs) {
        const db::Field& f = record_.field(input);
        values.push_back(f.type() == db::FieldType::Text && textValue_
                             ? textValue_(input, f.asString())
                             : f.asFloat());
    }
    record_.field(box.result).setAsFloat(box.formula(values));
}

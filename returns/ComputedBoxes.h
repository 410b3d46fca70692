#pragma once

#include <QString>
#include <QStringList>

#include <span>
#include <vector>

namespace db {
class DataSet;
}

// A box the model computes: its field, the fields it is computed from, and the formula
// over their values in that order. Some official forms let the user type over a computed
// box; the next change of an input computes it again.
struct ComputedBox {
    using Formula = double (*)(std::span<const double> inputs);

    QString result;
    QStringList inputs;
    Formula formula;
    bool typedOver = false;
};

// Formulas that the models' tables share.
namespace formula {
double sum(std::span<const double> v);
// The first input less every other one.
double difference(std::span<const double> v);
double copy(std::span<const double> v);
// The first input times the second as a percentage: base and rate.
double percentage(std::span<const double> v);
// Two per cent of the first input: the instalment on agricultural income.
double twoPercent(std::span<const double> v);
} // namespace formula

// Keeps a record's computed boxes up to date. A change of any input ripples through the
// declarations in dependency order, computing each box it reaches once; a box set by the
// ripple does not start a ripple of its own, though other handlers of its field run as
// usual (and what they change ripples afterwards). Declarations that depend on themselves,
// however indirectly, or that compute one box twice are refused when the set is built.
class ComputedBoxes {
public:
    // What a text input counts as in a formula (a tax-rate code: one rate or two); without
    // it, a formula reads numbers only.
    using TextValue = double (*)(const QString& field, const QString& text);

    ComputedBoxes(db::DataSet& record, std::span<const ComputedBox> boxes,
                  TextValue textValue = nullptr);

    bool computes(const QString& field) const;
    // Computed and not to be typed over: the form shades it.
    bool locked(const QString& field) const;
    // What depends on `field` computed again, as a change of it would.
    void changed(const QString& field);

private:
    void ripple();
    void compute(const ComputedBox& box);

    db::DataSet& record_;
    TextValue textValue_;
    std::vector<const ComputedBox*> order_;        // inputs before results
    std::vector<std::vector<bool>> reaches_;       // per input name's slot: boxes downstream
    QStringList names_;                            // the slots of reaches_
    std::vector<bool> pending_;
    bool rippling_ = false;
};

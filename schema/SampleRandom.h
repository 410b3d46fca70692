#pragma once

#include <QtGlobal>

#include <random>

namespace schema {

// The sample's random draws. The engine's sequence is fixed by the standard; the
// ranges are mapped here rather than by the library's distributions, whose results
// differ between implementations.
class SampleRandom {
public:
    explicit SampleRandom(unsigned seed) : engine_(seed) {}

    // A number from low to high, both included.
    qint64 between(qint64 low, qint64 high) {
        return low + qint64(engine_() % quint64(high - low + 1));
    }

private:
    std::mt19937 engine_;
};

} // namespace schema

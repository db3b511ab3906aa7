#include "content/wavetable.h"

#include <algorithm>
#include <cmath>

namespace content {

Wavetable::Wavetable(int partials, double rollOff) : values_(kSize + 1, 0.0) {
    constexpr double kPi = 3.14159265358979323846;
    double peak = 0.0;
    for (int i = 0; i < kSize; ++i) {
        double sum = 0.0;
        for (int n = 1; n <= partials; ++n) sum += std::sin(2.0 * kPi * n * i / kSize) / std::pow(n, rollOff);
        values_[i] = sum;
        peak = std::max(peak, std::abs(sum));
    }
    for (double& v : values_) v /= peak;
    values_[kSize] = values_[0];
}

const Wavetable& Wavetable::sine() {
    static const Wavetable table(1, 1.0);
    return table;
}

const Wavetable& Wavetable::softSaw() {
    static const Wavetable table(24, 1.5);
    return table;
}

} // namespace content

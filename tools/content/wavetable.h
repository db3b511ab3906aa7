#pragma once
// One cycle of a waveform, read with linear interpolation: far cheaper than a sine per partial.

#include <vector>

namespace content {

class Wavetable {
public:
    // phase in [0, 1).
    double at(double phase) const {
        double position = phase * kSize;
        int index = static_cast<int>(position);
        double fraction = position - index;
        return values_[index] + (values_[index + 1] - values_[index]) * fraction;
    }

    static const Wavetable& sine();
    // A sawtooth with its upper partials softened (1 / n^1.5), band-limited to 24 partials.
    static const Wavetable& softSaw();

private:
    static constexpr int kSize = 4096;
    explicit Wavetable(int partials, double rollOff);
    std::vector<double> values_;  // kSize + 1 entries: the last repeats the first
};

} // namespace content

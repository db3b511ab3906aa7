#include "content/loop_reverb.h"

#include <cmath>

namespace content {

namespace {

constexpr int kLines = 8;
// Mutually prime lengths (35 to 100 ms at 44.1 kHz) keep the echoes from lining up.
constexpr int kLengths[kLines] = {1543, 1949, 2311, 2797, 3251, 3659, 4157, 4513};
constexpr double kDecaySeconds = 7.0;  // time to fall by 60 dB
constexpr double kDamping = 0.35;      // share of the high end lost per pass through a line

class DelayNetwork {
public:
    explicit DelayNetwork(int sampleRate) {
        double scale = sampleRate / 44100.0;
        for (int k = 0; k < kLines; ++k) {
            int length = static_cast<int>(kLengths[k] * scale);
            lines_[k].assign(length, 0.0);
            gain_[k] = std::pow(10.0, -3.0 * length / (sampleRate * kDecaySeconds));
        }
    }

    void step(double inLeft, double inRight, double& outLeft, double& outRight) {
        double tap[kLines], sum = 0.0;
        for (int k = 0; k < kLines; ++k) {
            double& slot = lines_[k][position_ % lines_[k].size()];
            low_[k] += (1.0 - kDamping) * (slot - low_[k]);
            tap[k] = low_[k] * gain_[k];
            sum += tap[k];
        }
        outLeft = tap[0] - tap[2] + tap[4] - tap[6];
        outRight = tap[1] - tap[3] + tap[5] - tap[7];
        // Householder feedback: lossless mixing of every line into every other.
        double mixed = 2.0 * sum / kLines;
        for (int k = 0; k < kLines; ++k) {
            double input = (k % 2 == 0) ? inLeft : inRight;
            lines_[k][position_ % lines_[k].size()] = tap[k] - mixed + input;
        }
        ++position_;
    }

private:
    std::vector<double> lines_[kLines];
    double gain_[kLines];
    double low_[kLines] = {};
    size_t position_ = 0;
};

} // namespace

StereoBuffer loopReverb(const std::vector<float>& left, const std::vector<float>& right, int sampleRate) {
    DelayNetwork network(sampleRate);
    StereoBuffer out;
    out.left.assign(left.size(), 0.0f);
    out.right.assign(right.size(), 0.0f);
    for (int turn = 0; turn < 2; ++turn)
        for (size_t i = 0; i < left.size(); ++i) {
            double l, r;
            network.step(left[i], right[i], l, r);
            if (turn == 1) {
                out.left[i] = static_cast<float>(l * 0.35);
                out.right[i] = static_cast<float>(r * 0.35);
            }
        }
    return out;
}

} // namespace content

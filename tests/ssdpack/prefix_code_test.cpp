// Code lengths stay within 15 bits and form complete canonical codes.
#include <gtest/gtest.h>

#include <algorithm>

#include "lz_tokens.h"
#include "prefix_code.h"
#include "rar_constants.h"

namespace {

double kraftSum(const std::vector<uint8_t>& lengths) {
    double sum = 0;
    for (uint8_t l : lengths)
        if (l) sum += 1.0 / double(1u << l);
    return sum;
}

struct FrequencyCase {
    const char* label;
    std::vector<uint32_t> frequencies;
};

std::vector<uint32_t> fibonacci(int n) {
    std::vector<uint32_t> f = {1, 1};
    while (int(f.size()) < n) f.push_back(f[f.size() - 1] + f[f.size() - 2]);
    return f;
}

class CodeLengths : public ::testing::TestWithParam<FrequencyCase> {};

TEST_P(CodeLengths, LimitedCompleteAndCanonical) {
    const std::vector<uint32_t>& freq = GetParam().frequencies;
    ssdpack::PrefixCode code = ssdpack::PrefixCode::fromFrequencies(freq, 15);
    int used = 0;
    for (size_t s = 0; s < freq.size(); ++s) {
        EXPECT_LE(code.lengths[s], 15);
        if (freq[s]) {
            EXPECT_GT(code.lengths[s], 0) << "symbol " << s << " lost its code";
        }
        used += code.lengths[s] ? 1 : 0;
    }
    EXPECT_GE(used, 2);
    EXPECT_DOUBLE_EQ(kraftSum(code.lengths), 1.0);
    // Canonical: ordered by (length, symbol), each code one more than the last, shifted on a longer length.
    std::vector<std::pair<int, int>> order;
    for (size_t s = 0; s < freq.size(); ++s)
        if (code.lengths[s]) order.push_back({code.lengths[s], int(s)});
    std::sort(order.begin(), order.end());
    uint32_t expected = 0;
    int previousLength = order[0].first;
    for (size_t i = 0; i < order.size(); ++i) {
        if (i > 0) expected = (expected + 1) << (order[i].first - previousLength);
        previousLength = order[i].first;
        EXPECT_EQ(code.codes[order[i].second], expected) << "symbol " << order[i].second;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, CodeLengths,
    ::testing::Values(FrequencyCase{"fibonacci", fibonacci(30)}, FrequencyCase{"single", {0, 0, 7, 0}},
                      FrequencyCase{"none", std::vector<uint32_t>(19, 0)},
                      FrequencyCase{"flat", std::vector<uint32_t>(298, 5)},
                      FrequencyCase{"skewed", {1000000, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2}}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace

namespace {

// Each distance lands in the slot whose base and extra bits cover it.
TEST(DistanceSlots, EveryDistanceFitsItsSlot) {
    for (uint32_t distance = 1; distance <= ssdpack::rar::windowSize; distance += (distance < 70000 ? 1 : 97)) {
        const int d = ssdpack::distanceSlot(distance);
        ASSERT_GE(distance - 1, ssdpack::rar::distanceBase[d]) << distance;
        ASSERT_LT(distance - 1 - ssdpack::rar::distanceBase[d], 1u << ssdpack::rar::distanceBits[d]) << distance;
    }
    EXPECT_EQ(ssdpack::distanceSlot(ssdpack::rar::windowSize), 47);
}

}  // namespace

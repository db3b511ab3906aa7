#include "prefix_code.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace ssdpack {

namespace {

// Plain Huffman lengths over the symbols with a non-zero frequency (two-queue method).
std::vector<uint8_t> huffmanLengths(const std::vector<uint32_t>& freq) {
    const size_t n = freq.size();
    std::vector<uint8_t> lengths(n, 0);
    std::vector<uint32_t> order;
    for (uint32_t s = 0; s < n; ++s)
        if (freq[s] != 0) order.push_back(s);
    if (order.size() == 1) {
        lengths[order[0]] = 1;
        return lengths;
    }
    std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) { return freq[a] < freq[b]; });
    const size_t leaves = order.size();
    // Nodes 0..leaves-1 are leaves in weight order, the rest internal nodes made in weight order.
    std::vector<uint64_t> weight(2 * leaves);
    std::vector<uint32_t> parent(2 * leaves, 0);
    for (size_t i = 0; i < leaves; ++i) weight[i] = freq[order[i]];
    size_t nextLeaf = 0, nextNode = leaves, made = leaves;
    auto takeSmallest = [&]() {
        if (nextLeaf < leaves && (nextNode >= made || weight[nextLeaf] <= weight[nextNode])) return nextLeaf++;
        return nextNode++;
    };
    while (made < 2 * leaves - 1) {
        size_t a = takeSmallest(), b = takeSmallest();
        weight[made] = weight[a] + weight[b];
        parent[a] = parent[b] = static_cast<uint32_t>(made);
        ++made;
    }
    std::vector<uint32_t> depth(2 * leaves, 0);
    for (size_t i = made - 1; i-- > 0;) depth[i] = depth[parent[i]] + 1;
    for (size_t i = 0; i < leaves; ++i) lengths[order[i]] = static_cast<uint8_t>(std::min<uint32_t>(depth[i], 255));
    return lengths;
}

}  // namespace

std::vector<uint8_t> limitedCodeLengths(const std::vector<uint32_t>& frequencies, int maxLength) {
    std::vector<uint32_t> freq = frequencies;
    size_t used = std::count_if(freq.begin(), freq.end(), [](uint32_t f) { return f != 0; });
    for (size_t s = 0; s < freq.size() && used < 2; ++s)
        if (freq[s] == 0) {
            freq[s] = 1;
            ++used;
        }
    for (;;) {
        std::vector<uint8_t> lengths = huffmanLengths(freq);
        if (*std::max_element(lengths.begin(), lengths.end()) <= maxLength) return lengths;
        // Too deep: flatten the distribution and try again; each round halves the spread.
        for (uint32_t& f : freq)
            if (f != 0) f = (f >> 1) | 1;
    }
}

PrefixCode PrefixCode::fromFrequencies(const std::vector<uint32_t>& frequencies, int maxLength) {
    return fromLengths(limitedCodeLengths(frequencies, maxLength));
}

PrefixCode PrefixCode::fromLengths(std::vector<uint8_t> lengths) {
    PrefixCode code;
    code.codes.assign(lengths.size(), 0);
    uint32_t count[17] = {};
    for (uint8_t l : lengths) ++count[l & 15];
    count[0] = 0;
    uint32_t next[17] = {};
    uint32_t value = 0;
    for (int l = 1; l <= 16; ++l) {
        value = (value + count[l - 1]) << 1;
        next[l] = value;
    }
    for (size_t s = 0; s < lengths.size(); ++s)
        if (lengths[s] != 0) code.codes[s] = static_cast<uint16_t>(next[lengths[s]]++);
    code.lengths = std::move(lengths);
    return code;
}

uint64_t PrefixCode::cost(const std::vector<uint32_t>& frequencies) const {
    uint64_t bits = 0;
    for (size_t s = 0; s < frequencies.size(); ++s) {
        if (frequencies[s] == 0) continue;
        if (lengths[s] == 0) return std::numeric_limits<uint64_t>::max() / 4;
        bits += uint64_t(frequencies[s]) * lengths[s];
    }
    return bits;
}

}  // namespace ssdpack

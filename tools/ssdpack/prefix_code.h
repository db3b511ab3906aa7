#pragma once
// Canonical prefix codes as the RAR 2.0 decoder builds them: codes ordered by length, then by symbol.
#include <cstdint>
#include <vector>

namespace ssdpack {

struct PrefixCode {
    std::vector<uint8_t> lengths;  // 0: symbol absent
    std::vector<uint16_t> codes;   // right-aligned, written most significant bit first

    static PrefixCode fromFrequencies(const std::vector<uint32_t>& frequencies, int maxLength);
    static PrefixCode fromLengths(std::vector<uint8_t> lengths);

    bool has(int symbol) const { return lengths[symbol] != 0; }
    // Bits the given frequencies cost with this code; huge when a used symbol has no code.
    uint64_t cost(const std::vector<uint32_t>& frequencies) const;
};

// Lengths of an optimal-ish prefix code no longer than maxLength. At least two symbols get a
// length whenever the alphabet has two, so every code is complete and decodable by any reader.
std::vector<uint8_t> limitedCodeLengths(const std::vector<uint32_t>& frequencies, int maxLength);

}  // namespace ssdpack

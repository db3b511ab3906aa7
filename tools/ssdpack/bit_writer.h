#pragma once
// Collects a bit stream most significant bit first, the order the decoder peeks it.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ssdpack {

class BitWriter {
public:
    void put(uint32_t value, int count);  // the low count bits of value, count 0..24
    void append(const BitWriter& other);
    size_t bitCount() const { return bytes_.size() * 8 + pendingBits_; }
    std::vector<uint8_t> finish();  // pads the last byte with zeros

private:
    std::vector<uint8_t> bytes_;
    uint32_t pending_ = 0;  // up to 31 bits not yet flushed, right-aligned
    int pendingBits_ = 0;
};

}  // namespace ssdpack

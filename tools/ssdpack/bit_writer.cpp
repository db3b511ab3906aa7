#include "bit_writer.h"

namespace ssdpack {

void BitWriter::put(uint32_t value, int count) {
    if (count <= 0) return;
    pending_ = (pending_ << count) | (value & ((1u << count) - 1));
    pendingBits_ += count;
    while (pendingBits_ >= 8) {
        pendingBits_ -= 8;
        bytes_.push_back(static_cast<uint8_t>(pending_ >> pendingBits_));
    }
    pending_ &= (1u << pendingBits_) - 1;
}

void BitWriter::append(const BitWriter& other) {
    for (uint8_t byte : other.bytes_) put(byte, 8);
    put(other.pending_, other.pendingBits_);
}

std::vector<uint8_t> BitWriter::finish() {
    if (pendingBits_ > 0) put(0, 8 - pendingBits_);
    std::vector<uint8_t> out;
    out.swap(bytes_);
    pending_ = 0;
    pendingBits_ = 0;
    return out;
}

}  // namespace ssdpack

#pragma once
// The decoder's input: the data area read in 8 KiB blocks, taken most significant bit first.
#include <cstdint>

class RarBitInput {
public:
    static constexpr uint32_t bufferSize = 8192;
    static constexpr uint32_t keptOnRefill = 32;  // the tail a refill moves to the front

    // Peeks read up to 2 bytes ahead of the address; the address never gets far past the
    // buffer end before a refill, so a little zeroed padding keeps every peek inside the buffer.
    uint32_t peek() const
    {
        const uint8_t* p = buffer_ + address_;
        return ((uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2]) >> (8 - bit_)) & 0xFFFF;
    }
    void skip(uint32_t bits)
    {
        bits += bit_;
        address_ += bits >> 3;
        bit_ = bits & 7;
    }
    uint32_t extraBits(uint32_t count)
    {
        if (count == 0) return 0;
        uint32_t value = peek() >> (16 - count);
        skip(count);
        return value;
    }

    void firstFill();
    void refillIfPast(uint32_t limit)
    {
        if (address_ > limit) refill();
    }

    uint32_t address() const { return address_; }
    uint32_t readTop() const { return readTop_; }
    // True once the bits consumed run past the last byte of the data area. Look-ahead past it
    // reads zeros and does not count.
    bool overrun() const { return exhausted_ && (address_ > validEnd_ || (address_ == validEnd_ && bit_ > 0)); }

private:
    void refill();
    void clearFrom(uint32_t index);

    static constexpr uint32_t padding = 16;
    uint8_t buffer_[bufferSize + padding] = {};
    uint32_t address_ = 0;
    uint32_t bit_ = 0;
    uint32_t readTop_ = 0;
    uint32_t validEnd_ = 0;  // buffer index past the last byte that came from the data area
    bool exhausted_ = false; // the data area has no more bytes to give
};

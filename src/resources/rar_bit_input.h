#pragma once
// The decoder's input: the data area read in 8 KiB blocks, taken most significant bit first.
#include <cstdint>
#include <cstring>

// A read position in the input buffer. Small and copyable, so a hot loop can keep it in registers.
struct BitCursor {
    const uint8_t* buffer = nullptr;
    uint32_t address = 0;  // byte of the next unread bit
    uint32_t bit = 0;      // 0..7, from the byte's most significant bit

    // The next 16 bits. Reads 3 bytes past the address: the buffer's padding keeps that inside.
    uint32_t peek() const
    {
        uint32_t word;
        std::memcpy(&word, buffer + address, 4);
        return (__builtin_bswap32(word) >> (16 - bit)) & 0xFFFF;
    }
    void skip(uint32_t bits)
    {
        bits += bit;
        address += bits >> 3;
        bit = bits & 7;
    }
    uint32_t extraBits(uint32_t count)
    {
        if (count == 0) return 0;
        uint32_t value = peek() >> (16 - count);
        skip(count);
        return value;
    }
};

class RarBitInput {
public:
    static constexpr uint32_t bufferSize = 8192;
    static constexpr uint32_t keptOnRefill = 32;  // the tail a refill moves to the front

    BitCursor at;  // the address never gets far past the buffer end before a refill

    void firstFill();
    void refill();
    void refillIfPast(uint32_t limit)
    {
        if (at.address > limit) refill();
    }

    uint32_t readTop() const { return readTop_; }
    // Consumed bits beyond this one lie past the last byte of the data area. Look-ahead past it
    // reads zeros and does not count.
    uint64_t endBit() const { return exhausted_ ? uint64_t(validEnd_) * 8 : UINT64_MAX; }
    bool overrun() const { return uint64_t(at.address) * 8 + at.bit > endBit(); }

private:
    void clearFrom(uint32_t index);

    static constexpr uint32_t padding = 16;
    uint8_t buffer_[bufferSize + padding] = {};
    uint32_t readTop_ = 0;
    uint32_t validEnd_ = 0;   // buffer index past the last byte that came from the data area
    bool exhausted_ = false;  // the data area has no more bytes to give
};

#include "resources/rar_bit_input.h"

#include "resources/archive_state.h"

void RarBitInput::clearFrom(uint32_t index) { std::memset(buffer_ + index, 0, sizeof buffer_ - index); }

void RarBitInput::firstFill()
{
    uint32_t got = readDataArea(buffer_, bufferSize);
    clearFrom(got);
    at = BitCursor{buffer_, 0, 0};
    readTop_ = got;
    validEnd_ = got;
    exhausted_ = got < bufferSize;
}

void RarBitInput::refill()
{
    constexpr uint32_t from = bufferSize - keptOnRefill;
    std::memmove(buffer_, buffer_ + from, keptOnRefill);
    // Refills happen only with the address inside the kept tail, so this is the address mod 32.
    at.address = at.address >= from ? at.address - from : at.address % keptOnRefill;
    uint32_t got = exhausted_ ? 0 : readDataArea(buffer_ + keptOnRefill, bufferSize - keptOnRefill);
    clearFrom(keptOnRefill + got);
    if (got < bufferSize - keptOnRefill) exhausted_ = true;
    validEnd_ = (validEnd_ > from ? validEnd_ - from : 0) + got;
    readTop_ = got ? got + keptOnRefill : at.address;
}

#pragma once
// Writes one table read: the mode bits, the bit-length code and the run-length coded code lengths.
#include <cstdint>
#include <vector>

#include "bit_writer.h"

namespace ssdpack {

// What the decoder remembers of the last table read: the lengths new ones may be added to.
struct TableMemory {
    std::vector<uint8_t> lengths = std::vector<uint8_t>(1028, 0);
    int size = 0;  // entries set by the last table read; 0 after a fresh start

    void reset() {
        lengths.assign(1028, 0);
        size = 0;
    }
};

struct TableRead {
    bool audio = false;
    int channels = 1;              // audio only, 1..4
    std::vector<uint8_t> lengths;  // 374 for LZ, 257 per channel for audio
};

// Bits the table read would take (the cheaper of the plain and the delta form).
size_t tableReadBits(const TableRead& table, const TableMemory& memory);
// Writes it and updates memory. Returns true when the delta form was chosen.
bool writeTableRead(BitWriter& out, const TableRead& table, TableMemory& memory);

}  // namespace ssdpack

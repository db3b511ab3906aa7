#pragma once
// CRC-32 (the zip/zlib kind) for file CRCs and header checks.
#include <cstddef>
#include <cstdint>

namespace ssdpack {

uint32_t crc32Continue(uint32_t crc, const uint8_t* bytes, size_t count);  // crc starts at 0xFFFFFFFF
uint32_t crc32Of(const uint8_t* bytes, size_t count);                       // finished value

}  // namespace ssdpack

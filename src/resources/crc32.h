#pragma once
// CRC-32 of the zip/zlib kind (reflected polynomial 0xEDB88320).
#include <cstddef>
#include <cstdint>

// Folds count bytes into crc. Start from 0xFFFFFFFF and complement the result.
uint32_t crc32Update(uint32_t crc, const uint8_t* bytes, size_t count);

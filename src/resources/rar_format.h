#pragma once
// The RAR 1.5-2.0 container as the reader and the packer both see it: markers, block types,
// flags and little-endian fields.
#include <cstdint>

namespace rarFormat {

constexpr uint8_t rarMarker[7] = {0x52, 0x61, 0x72, 0x21, 0x1A, 0x07, 0x00};
constexpr uint8_t mardokMarker[7] = {'M', 'a', 'r', 'd', 'o', 'k', '!'};
constexpr uint8_t oldMarker[4] = {0x52, 0x45, 0x7E, 0x5E};
constexpr uint32_t mainHeaderSize = 13;
constexpr uint32_t blockHeaderSize = 32;
constexpr uint8_t fileBlock = 0x74;
constexpr uint8_t endBlock = 0x77;
constexpr uint8_t storedMethod = 0x30;
constexpr uint16_t solidArchive = 0x0008;  // main header flag

inline uint16_t le16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
inline uint32_t le32(const uint8_t* p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

}  // namespace rarFormat

namespace BlockFlag {
constexpr uint16_t continuesSolid = 0x0010;
constexpr uint16_t encrypted = 0x0004;
constexpr uint16_t hasData = 0x8000;
}

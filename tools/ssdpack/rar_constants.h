#pragma once
// Fixed tables of the RAR 2.0 compressed format, shared by every part of the encoder.
#include <cstdint>

namespace ssdpack {

namespace rar {

inline constexpr uint32_t windowSize = 0x100000;  // 1 MiB sliding window
inline constexpr int maxCodeLength = 15;

inline constexpr int mainSymbols = 298;
inline constexpr int distanceSymbols = 48;
inline constexpr int repeatLengthSymbols = 28;
inline constexpr int bitLengthSymbols = 19;
inline constexpr int audioSymbols = 257;
inline constexpr int lzTableSize = mainSymbols + distanceSymbols + repeatLengthSymbols;  // 374
inline constexpr int maxTableSize = 4 * audioSymbols;                                     // 1028

inline constexpr int repeatLastSymbol = 256;   // same length and distance as the last match
inline constexpr int firstRepeatSymbol = 257;  // 257..260: one of the four last distances
inline constexpr int firstShortSymbol = 261;   // 261..268: length 2, distance up to 256
inline constexpr int newTableSymbol = 269;
inline constexpr int firstLengthSymbol = 270;  // 270..297: length slot, then a distance
inline constexpr int audioNewTableSymbol = 256;

inline constexpr uint8_t lengthBase[28] = {0,  1,  2,  3,  4,  5,  6,  7,  8,   10,  12,  14,  16,  20,
                                           24, 28, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224};
inline constexpr uint8_t lengthBits[28] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2,
                                           2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5};
inline constexpr uint32_t distanceBase[48] = {
    0,      1,      2,      3,      4,      6,      8,      12,     16,     24,     32,     48,
    64,     96,     128,    192,    256,    384,    512,    768,    1024,   1536,   2048,   3072,
    4096,   6144,   8192,   12288,  16384,  24576,  32768,  49152,  65536,  98304,  131072, 196608,
    262144, 327680, 393216, 458752, 524288, 589824, 655360, 720896, 786432, 851968, 917504, 983040};
inline constexpr uint8_t distanceBits[48] = {0,  0,  0,  0,  1,  1,  2,  2,  3,  3,  4,  4,  5,  5,  6,  6,
                                             7,  7,  8,  8,  9,  9,  10, 10, 11, 11, 12, 12, 13, 13, 14, 14,
                                             15, 15, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16};
inline constexpr uint8_t shortBase[8] = {0, 4, 8, 16, 32, 64, 128, 192};
inline constexpr uint8_t shortBits[8] = {2, 2, 3, 4, 5, 6, 6, 6};

// The decoder lengthens matches at long distances, so the coded length is shorter.
inline constexpr uint32_t matchLengthBonus(uint32_t distance) {
    return (distance >= 0x2000 ? 1u : 0u) + (distance >= 0x40000 ? 1u : 0u);
}
inline constexpr uint32_t repeatLengthBonus(uint32_t distance) {
    return matchLengthBonus(distance) + (distance >= 0x101 ? 1u : 0u);
}

}  // namespace rar

}  // namespace ssdpack

#include "resources/rar_decoder.h"

#include "resources/archive_state.h"
#include "resources/rar_audio.h"
#include "resources/rar_bit_input.h"
#include "resources/rar_tables.h"

#include <cstring>

namespace {

constexpr uint32_t windowMask = rarWindowSize - 1;
constexpr uint32_t lzTableSize = 298 + 48 + 28;
constexpr uint32_t audioTableSize = 257;
constexpr uint32_t workSize = 4 * audioTableSize;  // 1028: the largest table set
constexpr uint32_t tableSymbol = 269;
constexpr uint32_t audioTableSymbol = 256;
// Undelivered room below which the window is flushed: more than the longest match (260).
constexpr uint32_t flushRoom = 270;

struct UnpackState {
    uint8_t* window = nullptr;
    uint32_t unpackPosition = 0;
    uint32_t writePosition = 0;
    RarBitInput input;
    uint32_t lastDistances[4] = {};
    uint32_t ringIndex = 0;
    uint32_t lastDistance = 0;
    int32_t lastLength = 0;
    bool audioMode = false;
    uint32_t channelCount = 1;
    uint32_t currentChannel = 0;
    int32_t channelDelta = 0;
    AudioChannel channels[4];
    uint8_t previousLengths[workSize] = {};
    DecodeTable bitLengthTable, literalTable, distanceTable, repeatTable;
    DecodeTable audioTables[4];
    // Not part of the format: bookkeeping that keeps a fresh start cheap and a new call sound.
    bool firstInCall = true;
    uint64_t windowBytesWritten = 0;  // since the window was last cleared (it starts zeroed)
};

UnpackState state;

void startFresh()
{
    UnpackState& s = state;
    s.currentChannel = 0;
    s.channelDelta = 0;
    for (AudioChannel& channel : s.channels) channel = AudioChannel{};
    std::memset(s.lastDistances, 0, sizeof s.lastDistances);
    s.ringIndex = 0;
    s.lastLength = 0;
    s.lastDistance = 0;
    // Only the part written since the last clear can be non-zero.
    uint64_t dirty = s.windowBytesWritten < rarWindowSize ? s.windowBytesWritten : rarWindowSize;
    std::memset(s.window, 0, dirty);
    s.windowBytesWritten = 0;
    std::memset(s.previousLengths, 0, sizeof s.previousLengths);
    s.writePosition = 0;
    s.unpackPosition = 0;
}

void readTables()
{
    UnpackState& s = state;
    RarBitInput& in = s.input;
    in.refillIfPast(8167);
    uint32_t header = in.peek();
    s.audioMode = header & 0x8000;
    if (!(header & 0x4000)) std::memset(s.previousLengths, 0, sizeof s.previousLengths);
    in.skip(2);
    uint32_t tableSize = lzTableSize;
    if (s.audioMode) {
        s.channelCount = ((header >> 12) & 3) + 1;
        if (s.currentChannel >= s.channelCount) s.currentChannel = 0;
        in.skip(2);
        tableSize = s.channelCount * audioTableSize;
    }
    uint8_t bitLengths[19];
    for (uint8_t& length : bitLengths) {
        length = uint8_t(in.peek() >> 12);
        in.skip(4);
    }
    buildDecodeTable(s.bitLengthTable, bitLengths, 19);

    uint8_t lengths[workSize] = {};  // cleared, so entries past this table size are defined
    uint32_t i = 0;
    while (i < tableSize) {
        in.refillIfPast(8187);
        uint32_t symbol = decodeSymbol(in, s.bitLengthTable);
        if (symbol < 16) {
            lengths[i] = uint8_t((symbol + s.previousLengths[i]) & 15);
            ++i;
            continue;
        }
        uint32_t run;
        uint8_t repeated = 0;
        if (symbol == 16) {
            run = (in.peek() >> 14) + 3;
            in.skip(2);
            repeated = i > 0 ? lengths[i - 1] : 0;  // nothing precedes position 0: taken as length 0
        } else if (symbol == 17) {
            run = (in.peek() >> 13) + 3;
            in.skip(3);
        } else {
            run = (in.peek() >> 9) + 11;
            in.skip(7);
        }
        for (; run > 0 && i < tableSize; --run) lengths[i++] = repeated;
    }
    if (s.audioMode) {
        for (uint32_t c = 0; c < s.channelCount; ++c)
            buildDecodeTable(s.audioTables[c], lengths + c * audioTableSize, audioTableSize);
    } else {
        buildDecodeTable(s.literalTable, lengths, 298);
        buildDecodeTable(s.distanceTable, lengths + 298, 48);
        buildDecodeTable(s.repeatTable, lengths + 346, 28);
    }
    std::memcpy(s.previousLengths, lengths, sizeof lengths);
}

void deliver()
{
    UnpackState& s = state;
    if (extraction.found) {
        uint32_t first, second;
        if (s.unpackPosition < s.writePosition) {
            first = rarWindowSize - s.writePosition;
            second = s.unpackPosition;
        } else {
            first = s.unpackPosition - s.writePosition;
            second = 0;
        }
        if (uint64_t(extraction.outputCount) + first + second > extraction.outputCapacity) {
            extraction.unpackedLeft = -1;
        } else {
            uint8_t* out = extraction.output + extraction.outputCount;
            std::memcpy(out, s.window + s.writePosition, first);
            std::memcpy(out + first, s.window, second);
            extraction.outputCount += first + second;
        }
    }
    s.writePosition = s.unpackPosition;
}

void copyMatch(uint32_t length, uint32_t distance)
{
    UnpackState& s = state;
    s.lastDistances[s.ringIndex & 3] = distance;
    ++s.ringIndex;
    s.lastDistance = distance;
    s.lastLength = int32_t(length);
    extraction.unpackedLeft -= length;
    s.windowBytesWritten += length;
    uint32_t to = s.unpackPosition;
    uint32_t from = (to - distance) & windowMask;
    if (distance >= length && to + length <= rarWindowSize && from + length <= rarWindowSize) {
        std::memmove(s.window + to, s.window + from, length);
        s.unpackPosition = (to + length) & windowMask;
        return;
    }
    // Byte by byte: a distance shorter than the length repeats the pattern.
    for (uint32_t n = 0; n < length; ++n) {
        s.window[to] = s.window[(to - distance) & windowMask];
        to = (to + 1) & windowMask;
    }
    s.unpackPosition = to;
}

void putByte(uint8_t byte)
{
    state.window[state.unpackPosition++] = byte;
    ++state.windowBytesWritten;
    --extraction.unpackedLeft;
}

uint32_t matchLengthBonus(uint32_t distance)
{
    return (distance >= 0x40000 ? 1 : 0) + (distance >= 0x2000 ? 1 : 0);
}

void decodeAudioSymbol()
{
    UnpackState& s = state;
    uint32_t symbol = decodeSymbol(s.input, s.audioTables[s.currentChannel]);
    if (symbol == audioTableSymbol) {
        readTables();
        return;
    }
    putByte(decodeAudioByte(s.channels[s.currentChannel], s.channelDelta, symbol));
    if (++s.currentChannel == s.channelCount) s.currentChannel = 0;
}

void decodeLzSymbol()
{
    UnpackState& s = state;
    RarBitInput& in = s.input;
    uint32_t symbol = decodeSymbol(in, s.literalTable);
    if (symbol < 256) {
        putByte(uint8_t(symbol));
    } else if (symbol >= 270) {
        uint32_t slot = symbol - 270;
        uint32_t length = rar::lengthBase[slot] + 3 + in.extraBits(rar::lengthBits[slot]);
        uint32_t code = decodeSymbol(in, s.distanceTable);
        uint32_t distance = rar::distanceBase[code] + 1 + in.extraBits(rar::distanceBits[code]);
        copyMatch(length + matchLengthBonus(distance), distance);
    } else if (symbol == tableSymbol) {
        readTables();
    } else if (symbol == 256) {
        copyMatch(uint32_t(s.lastLength), s.lastDistance);
    } else if (symbol < 261) {
        uint32_t distance = s.lastDistances[(s.ringIndex - (symbol - 256)) & 3];
        uint32_t slot = decodeSymbol(in, s.repeatTable);
        uint32_t length = rar::lengthBase[slot] + 2 + in.extraBits(rar::lengthBits[slot]);
        copyMatch(length + matchLengthBonus(distance) + (distance >= 0x101 ? 1 : 0), distance);
    } else {
        uint32_t slot = symbol - 261;
        uint32_t distance = rar::shortDistanceBase[slot] + 1 + in.extraBits(rar::shortDistanceBits[slot]);
        copyMatch(2, distance);
    }
}

// After the last byte: a final table read, when one follows, sets the tables for the next entry.
void readLastTables()
{
    UnpackState& s = state;
    if (s.input.readTop() < s.input.address() + 5) return;
    if (s.audioMode) {
        if (decodeSymbol(s.input, s.audioTables[s.currentChannel]) == audioTableSymbol) readTables();
    } else if (decodeSymbol(s.input, s.literalTable) == tableSymbol) {
        readTables();
    }
}

}  // namespace

void unpackBeginCall()
{
    state.firstInCall = true;
}

void unpackEntry(uint8_t* window)
{
    UnpackState& s = state;
    s.window = window;
    bool fresh = !(extraction.header.flags & BlockFlag::continuesSolid) || s.firstInCall;
    s.firstInCall = false;
    if (fresh) startFresh();
    s.input.firstFill();
    if (fresh) readTables();
    --extraction.unpackedLeft;
    while (extraction.unpackedLeft >= 0 && !s.input.overrun()) {
        s.unpackPosition &= windowMask;
        s.input.refillIfPast(8162);
        if (((s.writePosition - s.unpackPosition) & windowMask) < flushRoom && s.writePosition != s.unpackPosition) {
            deliver();
            if (extraction.unpackedLeft < 0) break;
        }
        if (s.audioMode) decodeAudioSymbol();
        else decodeLzSymbol();
    }
    // Codes read from beyond the data area are not the entry's: the entry is damaged.
    if (s.input.overrun()) extraction.damaged = true;
    readLastTables();
    deliver();
}

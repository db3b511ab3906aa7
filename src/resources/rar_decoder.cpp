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
    s.input.refillIfPast(8167);
    BitCursor& in = s.input.at;
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
        s.input.refillIfPast(8187);
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

uint32_t matchLengthBonus(uint32_t distance)
{
    return (distance >= 0x40000 ? 1 : 0) + (distance >= 0x2000 ? 1 : 0);
}

// Copies a match to window position to; returns the position after it.
uint32_t copyInWindow(uint8_t* window, uint32_t to, uint32_t length, uint32_t distance)
{
    uint32_t from = (to - distance) & windowMask;
    bool chunked = distance >= 8 && distance < rarWindowSize;  // the full window distance copies in place
    if (chunked && to + length <= rarWindowSize && from + length <= rarWindowSize) {
        // Eight bytes at a time: each chunk's source lies wholly before its destination.
        uint8_t* out = window + to;
        const uint8_t* src = window + from;
        uint32_t n = 0;
        for (; n + 8 <= length; n += 8) std::memcpy(out + n, src + n, 8);
        for (; n < length; ++n) out[n] = src[n];
        return (to + length) & windowMask;
    }
    // Byte by byte: a distance shorter than the length repeats the pattern.
    for (uint32_t n = 0; n < length; ++n) {
        window[to] = window[(to - distance) & windowMask];
        to = (to + 1) & windowMask;
    }
    return to;
}

// The main loop's hot state in locals, which byte stores into the window cannot alias; written
// back around the rare calls (refill, table read, delivery) that work on the shared state.
struct Run {
    uint8_t* window = state.window;
    BitCursor in;
    uint32_t position = 0;
    uint32_t write = 0;
    int64_t left = 0;
    uint64_t endBit = 0;
    uint64_t produced = 0;
    bool audio = false;

    void load()
    {
        in = state.input.at;
        position = state.unpackPosition;
        write = state.writePosition;
        left = extraction.unpackedLeft;
        endBit = state.input.endBit();
        audio = state.audioMode;
    }
    void store()
    {
        state.input.at = in;
        state.unpackPosition = position;
        state.writePosition = write;
        extraction.unpackedLeft = left;
        state.windowBytesWritten += produced;
        produced = 0;
    }
    bool overrun() const { return uint64_t(in.address) * 8 + in.bit > endBit; }
    template <class Action> void withShared(Action action)
    {
        store();
        action();
        load();
    }

    void put(uint8_t byte)
    {
        window[position++] = byte;
        ++produced;
        --left;
    }
    // Inlined into the loop, so that the fields above can live in registers.
    [[gnu::always_inline]] inline void copy(uint32_t length, uint32_t distance);
    [[gnu::always_inline]] inline void decodeLz();
    [[gnu::always_inline]] inline void decodeAudio();
};

void Run::copy(uint32_t length, uint32_t distance)
{
    UnpackState& s = state;
    s.lastDistances[s.ringIndex & 3] = distance;
    ++s.ringIndex;
    s.lastDistance = distance;
    s.lastLength = int32_t(length);
    left -= length;
    produced += length;
    position = copyInWindow(window, position, length, distance);
}

void Run::decodeAudio()
{
    UnpackState& s = state;
    uint32_t symbol = decodeSymbol(in, s.audioTables[s.currentChannel]);
    if (symbol == audioTableSymbol) {
        withShared(readTables);
        return;
    }
    put(decodeAudioByte(s.channels[s.currentChannel], s.channelDelta, symbol));
    if (++s.currentChannel == s.channelCount) s.currentChannel = 0;
}

void Run::decodeLz()
{
    const UnpackState& s = state;
    uint32_t symbol = decodeSymbol(in, s.literalTable);
    if (symbol < 256) {
        put(uint8_t(symbol));
    } else if (symbol >= 270) {
        uint32_t slot = symbol - 270;
        uint32_t length = rar::lengthBase[slot] + 3 + in.extraBits(rar::lengthBits[slot]);
        uint32_t code = decodeSymbol(in, s.distanceTable);
        uint32_t distance = rar::distanceBase[code] + 1 + in.extraBits(rar::distanceBits[code]);
        copy(length + matchLengthBonus(distance), distance);
    } else if (symbol == tableSymbol) {
        withShared(readTables);
    } else if (symbol == 256) {
        copy(uint32_t(s.lastLength), s.lastDistance);
    } else if (symbol < 261) {
        uint32_t distance = s.lastDistances[(s.ringIndex - (symbol - 256)) & 3];
        uint32_t slot = decodeSymbol(in, s.repeatTable);
        uint32_t length = rar::lengthBase[slot] + 2 + in.extraBits(rar::lengthBits[slot]);
        copy(length + matchLengthBonus(distance) + (distance >= 0x101 ? 1 : 0), distance);
    } else {
        uint32_t slot = symbol - 261;
        uint32_t distance = rar::shortDistanceBase[slot] + 1 + in.extraBits(rar::shortDistanceBits[slot]);
        copy(2, distance);
    }
}

void mainLoop()
{
    Run run;
    run.load();
    while (run.left >= 0 && !run.overrun()) {
        run.position &= windowMask;
        if (run.in.address > 8162) run.withShared([] { state.input.refill(); });
        if (((run.write - run.position) & windowMask) < flushRoom && run.write != run.position) {
            run.withShared(deliver);
            if (run.left < 0) break;
        }
        if (run.audio) run.decodeAudio();
        else run.decodeLz();
    }
    run.store();
}

// After the last byte: a final table read, when one follows, sets the tables for the next entry.
void readLastTables()
{
    UnpackState& s = state;
    if (s.input.readTop() < s.input.at.address + 5) return;
    if (s.audioMode) {
        if (decodeSymbol(s.input.at, s.audioTables[s.currentChannel]) == audioTableSymbol) readTables();
    } else if (decodeSymbol(s.input.at, s.literalTable) == tableSymbol) {
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
    mainLoop();
    // Codes read from beyond the data area are not the entry's: the entry is damaged.
    if (s.input.overrun()) extraction.damaged = true;
    readLastTables();
    deliver();
}

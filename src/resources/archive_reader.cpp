#include "resources/archive_reader.h"

#include "resources/archive_state.h"
#include "resources/crc32.h"
#include "resources/rar_decoder.h"

#include <cstdlib>
#include <cstring>
#include <new>

ExtractionState extraction;

namespace {

using namespace rarFormat;

// Every decoded symbol takes at least one bit and yields at most 260 bytes: a compressed entry
// declaring more than this per byte of data area cannot decode to its size.
constexpr uint64_t maxBytesPerPackedByte = 8 * 260;


bool seekTo(int64_t offset) { return std::fseek(extraction.archive, long(offset), SEEK_SET) == 0; }

bool openArchive(const char* path)
{
    extraction.archive = std::fopen(path, "rb");
    if (!extraction.archive) return false;
    if (std::fseek(extraction.archive, 0, SEEK_END) != 0) return false;
    extraction.fileSize = std::ftell(extraction.archive);
    return extraction.fileSize >= 0 && seekTo(0);
}

// The marker and the main header. Archives with the old marker carry no main header we could
// place the block scan after, so they are refused.
bool readMarkerAndMainHeader()
{
    uint8_t marker[7];
    if (std::fread(marker, 1, 7, extraction.archive) != 7) return false;
    if (std::memcmp(marker, oldMarker, 4) == 0) return false;
    if (std::memcmp(marker, rarMarker, 7) != 0 && std::memcmp(marker, mardokMarker, 7) != 0) return false;
    uint8_t header[mainHeaderSize];
    if (std::fread(header, 1, mainHeaderSize, extraction.archive) != mainHeaderSize) return false;
    extraction.mainFlags = le16(header + 3);
    extraction.nextBlock = 7 + int64_t(le16(header + 5));
    return true;
}

}  // namespace

void decodeHeader(const uint8_t* b, FileHeader& h)
{
    h.headerCrc = le16(b);
    h.type = b[2];
    h.flags = le16(b + 3);
    h.headerSize = le16(b + 5);
    h.packedSize = le32(b + 7);
    h.unpackedSize = le32(b + 11);
    h.hostSystem = b[15];
    h.fileCrc = le32(b + 16);
    h.fileTime = le32(b + 20);
    h.unpackVersion = b[24];
    h.method = b[25];
    h.nameSize = le16(b + 26);
    h.attributes = le32(b + 28);
}

namespace {

// Moves to the next file entry and reads its header and name; false when the scan ends.
bool nextFileEntry()
{
    for (;;) {
        extraction.blockStart = extraction.nextBlock;
        if (!seekTo(extraction.blockStart)) return false;
        uint8_t raw[blockHeaderSize] = {};  // a header cut short by the end of the file reads as zeros
        if (std::fread(raw, 1, blockHeaderSize, extraction.archive) == 0) return false;
        FileHeader& h = extraction.header;
        decodeHeader(raw, h);
        if (h.headerSize < 7) return false;
        extraction.nextBlock = extraction.blockStart + h.headerSize;
        if (h.flags & BlockFlag::hasData) extraction.nextBlock += h.packedSize;
        if (extraction.nextBlock <= extraction.blockStart) return false;
        if (h.type == endBlock) return false;
        if (h.type != fileBlock) continue;
        // A file header too short for its fixed fields and name is damaged: nothing after it can be trusted.
        if (h.headerSize < blockHeaderSize + h.nameSize) return false;
        extraction.entryNameLength = h.nameSize;
        uint32_t keep = h.nameSize < ExtractionState::nameCapacity ? h.nameSize : ExtractionState::nameCapacity;
        size_t got = std::fread(extraction.entryName, 1, keep, extraction.archive);
        extraction.entryName[got] = '\0';
        if (got < keep) extraction.entryNameLength = uint32_t(got);
        return true;
    }
}

char normalisedNameChar(char c)
{
    if (c == '\\' || c == '/') return '_';
    if (c >= 'a' && c <= 'z') return char(c - 'a' + 'A');
    return c;
}

bool storedEntryFits()
{
    // A stored entry holds its bytes as they are: more than the file can hold cannot be right.
    int64_t dataStart = extraction.blockStart + extraction.header.headerSize;
    return int64_t(extraction.header.unpackedSize) <= extraction.header.packedSize &&
           int64_t(extraction.header.unpackedSize) <= extraction.fileSize - dataStart;
}

bool compressedEntryFits()
{
    int64_t dataStart = extraction.blockStart + extraction.header.headerSize;
    int64_t available = extraction.fileSize - dataStart;
    if (available < 0) available = 0;
    if (available > int64_t(extraction.header.packedSize)) available = extraction.header.packedSize;
    return extraction.header.unpackedSize <= uint64_t(available) * maxBytesPerPackedByte + 260;
}

bool allocateOutput()
{
    if (extraction.header.method == storedMethod ? !storedEntryFits() : !compressedEntryFits()) return false;
    uint32_t size = extraction.header.unpackedSize;
    extraction.output = new (std::nothrow) uint8_t[size ? size : 1];
    extraction.outputCapacity = size;
    extraction.outputCount = 0;
    return extraction.output != nullptr;
}

// The window outlives the call: allocating and faulting in 1 MiB on every open would cost more
// than the small entries it serves. The decoder clears what it used when an entry starts afresh.
bool allocateWindow()
{
    static uint8_t* window = nullptr;
    if (!window) window = static_cast<uint8_t*>(std::calloc(rarWindowSize, 1));
    extraction.window = window;
    return window != nullptr;
}

// Copies or decodes the current entry; false on an unsupported version or a failed check.
bool processEntry()
{
    const FileHeader& h = extraction.header;
    if (h.unpackVersion < 13 || h.unpackVersion > 20) return false;
    if (!seekTo(extraction.blockStart + h.headerSize)) return false;
    extraction.packedLeft = h.packedSize;
    extraction.unpackedLeft = h.unpackedSize;
    extraction.damaged = false;
    if (h.method == storedMethod) {
        if (extraction.found) extraction.outputCount = readDataArea(extraction.output, h.unpackedSize);
    } else {
        if (!allocateWindow()) return false;
        unpackEntry(extraction.window);
    }
    if (!extraction.found) return true;
    // Fewer bytes than declared fail before the CRC, which would otherwise read bytes never written.
    if (extraction.outputCount != h.unpackedSize || extraction.damaged) return false;
    return ~crc32Update(0xFFFFFFFFu, extraction.output, h.unpackedSize) == h.fileCrc;
}

void finishCall()
{
    if (extraction.archive) std::fclose(extraction.archive);
    extraction.archive = nullptr;
    extraction.window = nullptr;
}

}  // namespace

uint32_t readDataArea(uint8_t* destination, uint32_t count)
{
    if (!extraction.archive) return 0;
    if (count > extraction.packedLeft) count = extraction.packedLeft;
    size_t got = std::fread(destination, 1, count, extraction.archive);
    extraction.packedLeft -= uint32_t(got);
    return uint32_t(got);
}

bool entryNamesMatch(const char* a, uint32_t aLength, const char* b, uint32_t bLength)
{
    if (aLength != bLength) return false;
    for (uint32_t i = 0; i < aLength; ++i)
        if (normalisedNameChar(a[i]) != normalisedNameChar(b[i])) return false;
    return true;
}

int extractFile(const char* wantedName, const char* archivePath, uint8_t** data, uint32_t* size)
{
    *data = nullptr;
    *size = 0;
    size_t wantedLength = wantedName ? std::strlen(wantedName) : 0;
    // Names beyond the name field cannot be told apart from their cut copies: such a name never matches.
    if (!wantedName || !archivePath || wantedLength > ExtractionState::nameCapacity) return 0;
    extraction = ExtractionState{};
    std::memcpy(extraction.wantedName, wantedName, wantedLength + 1);
    unpackBeginCall();

    bool ok = false;
    if (openArchive(archivePath) && readMarkerAndMainHeader()) {
        bool solid = extraction.mainFlags & solidArchive;
        while (nextFileEntry()) {
            extraction.found = entryNamesMatch(extraction.wantedName, uint32_t(wantedLength),
                                               extraction.entryName, extraction.entryNameLength);
            if (extraction.found && !allocateOutput()) break;
            if ((solid || extraction.found) && !processEntry()) break;
            if (extraction.found) {
                ok = true;
                break;
            }
        }
    }
    finishCall();
    if (!ok) {
        delete[] extraction.output;
        extraction.output = nullptr;
        return 0;
    }
    *data = extraction.output;
    *size = extraction.outputCount;
    extraction.output = nullptr;
    return 1;
}

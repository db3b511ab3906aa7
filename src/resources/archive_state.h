#pragma once
// The state one extractFile call shares with the decoder (one instance; not reentrant).
#include <cstdint>
#include <cstdio>

#include "resources/rar_format.h"

struct FileHeader {
    uint16_t headerCrc = 0;
    uint8_t type = 0;
    uint16_t flags = 0;
    uint16_t headerSize = 0;
    uint32_t packedSize = 0;
    uint32_t unpackedSize = 0;
    uint8_t hostSystem = 0;
    uint32_t fileCrc = 0;
    uint32_t fileTime = 0;
    uint8_t unpackVersion = 0;
    uint8_t method = 0;
    uint16_t nameSize = 0;
    uint32_t attributes = 0;
};

// Fills header from the first 32 bytes of a block.
void decodeHeader(const uint8_t* bytes, FileHeader& header);

struct ExtractionState {
    static constexpr uint32_t nameCapacity = 259;

    std::FILE* archive = nullptr;
    int64_t fileSize = 0;
    char wantedName[nameCapacity + 1] = {};
    char entryName[nameCapacity + 1] = {};
    uint32_t entryNameLength = 0;  // bytes the header declares, which may exceed what was kept
    uint16_t mainFlags = 0;
    FileHeader header;
    int64_t blockStart = 0;  // 64-bit so that sizes near 4 GiB cannot overflow the sums
    int64_t nextBlock = 0;
    bool found = false;
    uint8_t* output = nullptr;
    uint32_t outputCapacity = 0;
    uint32_t outputCount = 0;
    uint32_t packedLeft = 0;
    int64_t unpackedLeft = 0;
    bool damaged = false;  // the decoder consumed bits past the end of the data area
    uint8_t* window = nullptr;
};

extern ExtractionState extraction;

// Reads at most min(count, packed left) bytes of the current data area; returns how many.
uint32_t readDataArea(uint8_t* destination, uint32_t count);

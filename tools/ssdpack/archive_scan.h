#pragma once
// Reads the headers of an archive the way the program walks them, for listing and for telling
// why an extraction failed.
#include <cstdint>
#include <string>
#include <vector>

namespace ssdpack {

struct ScannedEntry {
    std::string name;
    uint16_t flags = 0;
    uint32_t packedSize = 0;
    uint32_t unpackedSize = 0;
    uint8_t hostSystem = 0;
    uint32_t fileCrc = 0;
    uint32_t fileTime = 0;
    uint8_t unpackVersion = 0;
    uint8_t method = 0;
    uint32_t attributes = 0;
    uint64_t dataOffset = 0;
    bool dataCutShort = false;  // the file ends inside the data area
};

struct ArchiveScan {
    enum Status { Ok, Unreadable, NotAnArchive, Truncated };
    Status status = Ok;
    std::string error;  // what went wrong, for the user
    uint16_t mainFlags = 0;
    std::vector<ScannedEntry> entries;

    bool solid() const { return (mainFlags & 0x0008) != 0; }
};

ArchiveScan scanArchive(const std::string& path);

}  // namespace ssdpack

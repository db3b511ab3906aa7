#pragma once
// Reads the headers of an archive the way the program walks them, for listing and for telling
// why an extraction failed.
#include "resources/archive_state.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ssdpack {

// The header fields as the program decodes them, and where the entry's data lies.
struct ScannedEntry : FileHeader {
    std::string name;
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

#include "archive_scan.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace ssdpack {

namespace {

using rarFormat::le16;
using rarFormat::le32;

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};

ScannedEntry entryFromHeader(const uint8_t* h) {
    ScannedEntry e;
    decodeHeader(h, e);
    return e;
}

}  // namespace

ArchiveScan scanArchive(const std::string& path) {
    ArchiveScan scan;
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        scan.status = ArchiveScan::Unreadable;
        scan.error = "cannot read " + path + ": " + std::strerror(errno);
        return scan;
    }
    uint8_t start[20];
    size_t got = std::fread(start, 1, sizeof start, file.get());
    static const uint8_t rarMarker[7] = {0x52, 0x61, 0x72, 0x21, 0x1A, 0x07, 0x00};
    static const uint8_t mardokMarker[7] = {'M', 'a', 'r', 'd', 'o', 'k', '!'};
    if (got < 7 || (std::memcmp(start, rarMarker, 7) != 0 && std::memcmp(start, mardokMarker, 7) != 0)) {
        scan.status = ArchiveScan::NotAnArchive;
        scan.error = path + " is not a RAR archive";
        return scan;
    }
    if (got < 20) {
        scan.status = ArchiveScan::Truncated;
        scan.error = path + ": main header cut short";
        return scan;
    }
    std::fseek(file.get(), 0, SEEK_END);
    const int64_t fileSize = std::ftell(file.get());
    scan.mainFlags = le16(start + 10);
    int64_t blockStart = 7 + int64_t(le16(start + 12));
    for (;;) {
        if (std::fseek(file.get(), long(blockStart), SEEK_SET) != 0) break;
        uint8_t h[32] = {};
        got = std::fread(h, 1, sizeof h, file.get());
        if (got == 0) break;
        const uint16_t headerSize = le16(h + 5);
        if (got < 7 || headerSize < 7) {
            scan.status = ArchiveScan::Truncated;
            scan.error = path + ": damaged block header at offset " + std::to_string(blockStart);
            break;
        }
        const uint16_t flags = le16(h + 3);
        int64_t next = blockStart + headerSize + ((flags & BlockFlag::hasData) ? int64_t(le32(h + 7)) : 0);
        if (h[2] == rarFormat::endBlock) break;
        if (h[2] == rarFormat::fileBlock) {
            if (got < 32) {
                scan.status = ArchiveScan::Truncated;
                scan.error = path + ": file header cut short at offset " + std::to_string(blockStart);
                break;
            }
            ScannedEntry e = entryFromHeader(h);
            std::string name(le16(h + 26), '\0');
            name.resize(std::fread(name.data(), 1, name.size(), file.get()));
            e.name = name.substr(0, 259);
            e.dataOffset = uint64_t(blockStart) + headerSize;
            e.dataCutShort = int64_t(e.dataOffset + e.packedSize) > fileSize;
            if (e.dataCutShort && scan.status == ArchiveScan::Ok) {
                scan.status = ArchiveScan::Truncated;
                scan.error = path + " is cut short in the data of " + e.name;
            }
            scan.entries.push_back(std::move(e));
        }
        if (next <= blockStart) break;
        blockStart = next;
    }
    return scan;
}

}  // namespace ssdpack

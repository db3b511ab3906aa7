#pragma once
// Writes a RAR 2.0 archive: marker, main header, one file header and data area per entry.
// The archive grows in a temporary file beside its final name and is renamed into place on commit.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "entry_encoder.h"

namespace ssdpack {

struct PackOptions {
    int method = 3;  // 0 stores every entry
    bool solid = false;
    bool audio = false;
};

struct PackedEntryInfo {
    uint32_t packedSize = 0;
    uint8_t method = 0x30;
    bool continued = false;  // flag 0x0010
    EncodeStats stats;
};

uint32_t dosTimeOf(int64_t unixSeconds);

class ArchiveWriter {
public:
    explicit ArchiveWriter(size_t historyLimit = EncoderSession::defaultHistoryLimit) : session_(historyLimit) {}
    ~ArchiveWriter();
    ArchiveWriter(const ArchiveWriter&) = delete;
    ArchiveWriter& operator=(const ArchiveWriter&) = delete;

    bool open(const std::string& path, const PackOptions& options, std::string& error);
    bool add(const std::string& name, const std::vector<uint8_t>& data, uint32_t dosTime, uint32_t attributes,
             PackedEntryInfo* info, std::string& error);
    bool commit(std::string& error);  // flushes, syncs and renames into place

private:
    bool writeBytes(const std::vector<uint8_t>& bytes, std::string& error);
    void discard();

    PackOptions options_;
    EncoderSession session_;
    std::string path_, tempPath_;
    FILE* file_ = nullptr;
};

}  // namespace ssdpack

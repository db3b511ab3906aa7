#include "archive_writer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "checksum.h"
#include "resources/rar_format.h"

namespace ssdpack {

namespace {

using rarFormat::rarMarker;
using rarFormat::solidArchive;
using rarFormat::storedMethod;
constexpr uint16_t flagDictionary1M = 0x0080;
constexpr uint8_t hostUnix = 3;
constexpr uint8_t unpackVersion = 20;

void put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void put32(std::vector<uint8_t>& b, uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

// The header CRC is the low half of the CRC-32 of everything after the CRC field.
void sealHeader(std::vector<uint8_t>& header) {
    uint32_t crc = crc32Of(header.data() + 2, header.size() - 2) & 0xFFFF;
    header[0] = uint8_t(crc);
    header[1] = uint8_t(crc >> 8);
}

std::string systemError() { return std::strerror(errno); }

}  // namespace

uint32_t dosTimeOf(int64_t unixSeconds) {
    time_t t = time_t(unixSeconds);
    struct tm local{};
    if (!localtime_r(&t, &local) || local.tm_year < 80) return (1u << 21) | (1u << 16);  // 1980-01-01
    if (local.tm_year > 207) local.tm_year = 207;
    return uint32_t(local.tm_year - 80) << 25 | uint32_t(local.tm_mon + 1) << 21 | uint32_t(local.tm_mday) << 16 |
           uint32_t(local.tm_hour) << 11 | uint32_t(local.tm_min) << 5 | uint32_t(local.tm_sec / 2);
}

ArchiveWriter::~ArchiveWriter() { discard(); }

void ArchiveWriter::discard() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!tempPath_.empty()) {
        ::unlink(tempPath_.c_str());
        tempPath_.clear();
    }
}

bool ArchiveWriter::open(const std::string& path, const PackOptions& options, std::string& error) {
    discard();
    options_ = options;
    path_ = path;
    std::string pattern = path + ".tmpXXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) {
        error = "cannot create " + pattern + ": " + systemError();
        return false;
    }
    ::fchmod(fd, 0644);
    tempPath_ = name.data();
    file_ = ::fdopen(fd, "wb");
    if (!file_) {
        ::close(fd);
        error = "cannot write " + tempPath_ + ": " + systemError();
        discard();
        return false;
    }
    session_.restart();
    std::vector<uint8_t> head(rarMarker, rarMarker + 7);
    std::vector<uint8_t> main;
    put16(main, 0);
    main.push_back(0x73);
    put16(main, options.solid ? solidArchive : 0);
    put16(main, 13);
    put16(main, 0);
    put32(main, 0);
    sealHeader(main);
    head.insert(head.end(), main.begin(), main.end());
    return writeBytes(head, error);
}

bool ArchiveWriter::writeBytes(const std::vector<uint8_t>& bytes, std::string& error) {
    if (!file_) {
        error = "archive is not open";
        return false;
    }
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
        error = "cannot write " + path_ + ": " + systemError();
        return false;
    }
    return true;
}

bool ArchiveWriter::add(const std::string& name, const std::vector<uint8_t>& data, uint32_t dosTime,
                        uint32_t attributes, PackedEntryInfo* info, std::string& error) {
    if (name.empty() || name.size() > 259) {
        error = "entry name must have 1 to 259 bytes: " + name;
        return false;
    }
    if (data.size() > 0xFFFFFFFFull) {
        error = "entry too large (4 GiB or more): " + name;
        return false;
    }
    PackedEntryInfo entry;
    std::vector<uint8_t> packed;
    if (options_.method > 0 && !data.empty()) {
        if (!options_.solid) session_.restart();
        entry.continued = session_.continuing();
        EncoderOptions encoderOptions{options_.method, options_.audio};
        packed = session_.encode(data.data(), data.size(), encoderOptions, &entry.stats);
        entry.method = uint8_t(0x30 + options_.method);
    }
    if (entry.method == storedMethod || packed.size() >= data.size()) {
        // Storing: other decoders never take a stored entry into a solid stream, so the chain
        // starts again at the next compressed entry.
        packed = data;
        entry.method = storedMethod;
        entry.continued = false;
        entry.stats = EncodeStats{};
        session_.restart();
    }
    entry.packedSize = uint32_t(packed.size());

    std::vector<uint8_t> header;
    put16(header, 0);
    header.push_back(rarFormat::fileBlock);
    put16(header, BlockFlag::hasData | flagDictionary1M | (entry.continued ? BlockFlag::continuesSolid : 0));
    put16(header, uint32_t(32 + name.size()));
    put32(header, entry.packedSize);
    put32(header, uint32_t(data.size()));
    header.push_back(hostUnix);
    put32(header, crc32Of(data.data(), data.size()));
    put32(header, dosTime);
    header.push_back(unpackVersion);
    header.push_back(entry.method);
    put16(header, uint32_t(name.size()));
    put32(header, attributes);
    header.insert(header.end(), name.begin(), name.end());
    sealHeader(header);
    if (!writeBytes(header, error) || !writeBytes(packed, error)) return false;
    if (info) *info = entry;
    return true;
}

bool ArchiveWriter::commit(std::string& error) {
    if (!file_) {
        error = "archive is not open";
        return false;
    }
    bool ok = std::fflush(file_) == 0 && ::fsync(::fileno(file_)) == 0;
    ok = (std::fclose(file_) == 0) && ok;
    file_ = nullptr;
    if (!ok) {
        error = "cannot write " + path_ + ": " + systemError();
        discard();
        return false;
    }
    if (std::rename(tempPath_.c_str(), path_.c_str()) != 0) {
        error = "cannot create " + path_ + ": " + systemError();
        discard();
        return false;
    }
    tempPath_.clear();
    return true;
}

}  // namespace ssdpack

#include "resources/resource_file.h"

#include "resources/archive_reader.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

std::string& archivePathStorage()
{
    static std::string path = "data.ssd";
    return path;
}

}  // namespace

ResourceFile::~ResourceFile() { close(); }

void ResourceFile::setArchivePath(const char* path) { archivePathStorage() = path ? path : "data.ssd"; }

const char* ResourceFile::archivePath() { return archivePathStorage().c_str(); }

int ResourceFile::open(const char* name)
{
    close();
    std::strncpy(name_, name ? name : "", sizeof name_ - 1);
    name_[sizeof name_ - 1] = '\0';
    if (!name) return 0;
    return extractFile(name, archivePath(), &data_, &size_);
}

void ResourceFile::close()
{
    delete[] data_;
    data_ = nullptr;
    size_ = 0;
    position_ = 0;
}

void ResourceFile::read(void* destination, uint32_t count)
{
    if (count == 0) return;
    uint8_t* out = static_cast<uint8_t*>(destination);
    uint32_t available = position_ < size_ ? size_ - position_ : 0;
    uint32_t copied = std::min(count, available);
    if (copied) std::memcpy(out, data_ + position_, copied);
    // Bytes asked for past the end read as zeros.
    if (copied < count) std::memset(out + copied, 0, count - copied);
    // The position saturates rather than wrap, so the end, once passed, stays passed.
    uint64_t next = uint64_t(position_) + count;
    position_ = next > UINT32_MAX ? UINT32_MAX : uint32_t(next);
}

void ResourceFile::readUnlessEnd(void* destination, uint32_t count)
{
    if (!atEnd()) read(destination, count);
}

int ResourceFile::readLine(char* buffer, size_t capacity)
{
    size_t length = 0;
    if (capacity) buffer[0] = '\0';
    char c = 0;
    read(&c, 1);
    while (c == ' ' && !atEnd()) read(&c, 1);
    while (c != '\n' && !atEnd()) {
        // A line longer than the buffer is cut; the rest of it is consumed and dropped.
        if (c != '\r' && length + 1 < capacity) buffer[length++] = c;
        read(&c, 1);
    }
    if (capacity) buffer[length] = '\0';
    return atEnd() ? 0 : 1;
}

// Arbitrary entry bytes read through ResourceFile: lines, byte reads and their end conditions.
#include "memory_file.h"
#include "resources/crc32.h"
#include "resources/resource_file.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// One stored entry "e.txt" holding content.
std::vector<uint8_t> storedArchive(const uint8_t* content, uint32_t size)
{
    std::vector<uint8_t> out = {0x52, 0x61, 0x72, 0x21, 0x1A, 0x07, 0x00, 0, 0, 0x73, 0, 0, 13, 0, 0, 0, 0, 0, 0, 0};
    const char name[] = "e.txt";
    put16(out, 0);
    out.push_back(0x74);
    put16(out, 0x8000);
    put16(out, 32 + 5);
    put32(out, size);
    put32(out, size);
    out.push_back(2);
    put32(out, ~crc32Update(0xFFFFFFFFu, content, size));
    put32(out, 0);
    out.push_back(20);
    out.push_back(0x30);
    put16(out, 5);
    put32(out, 0x20);
    out.insert(out.end(), name, name + 5);
    out.insert(out.end(), content, content + size);
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    if (size < 1) return 0;
    static MemoryFile file;
    // The first byte picks the line buffer's size and how many byte reads come in between.
    size_t capacity = 1 + (bytes[0] & 0x7F);
    bool mixReads = bytes[0] & 0x80;
    std::vector<uint8_t> archive = storedArchive(bytes + 1, uint32_t(size - 1));
    if (!file.replace(archive.data(), archive.size())) return 0;
    ResourceFile::setArchivePath(file.path().c_str());

    ResourceFile resource;
    if (resource.open("E.TXT") != 1 || resource.size() != size - 1) std::abort();
    std::vector<char> line(capacity);
    size_t calls = 0;
    while (resource.readLine(line.data(), capacity) == 1) {
        if (std::strlen(line.data()) >= capacity) std::abort();
        if (mixReads) {
            uint8_t chunk[3];
            resource.readUnlessEnd(chunk, uint32_t(calls % 4));
        }
        if (++calls > size + 1) std::abort();  // every call consumes at least one byte
    }
    if (!resource.atEnd()) std::abort();
    if (resource.readLine(line.data(), capacity) != 0 || line[0] != '\0') std::abort();
    uint8_t after = 0xAA;
    resource.read(&after, 1);
    if (after != 0) std::abort();
    resource.close();
    return 0;
}

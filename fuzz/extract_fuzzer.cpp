// Arbitrary bytes as an archive file: extractFile must fail or succeed cleanly, never misbehave.
#include "memory_file.h"
#include "resources/archive_reader.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr size_t mainFlagsOffset = 10;  // marker (7), header CRC (2), block type (1)

void extractEach(const MemoryFile& file)
{
    // The seeds name their entries so; the second call also starts over the module-wide state.
    for (const char* name : {"b.bin", "C_DAT"}) {
        uint8_t* data = nullptr;
        uint32_t size = 0;
        int result = extractFile(name, file.path().c_str(), &data, &size);
        if (result != 1 && (data != nullptr || size != 0)) std::abort();
        if (result == 1 && size > 0 && data == nullptr) std::abort();
        if (size > 0) {
            volatile uint8_t sink = data[0] ^ data[size - 1];  // the whole buffer must be ours
            (void)sink;
        }
        delete[] data;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    static MemoryFile file;
    if (!file.replace(bytes, size)) return 0;
    extractEach(file);
    if (size > mainFlagsOffset) {  // the same blocks once more, solid if they were not and back
        std::vector<uint8_t> flipped(bytes, bytes + size);
        flipped[mainFlagsOffset] ^= 0x08;
        if (file.replace(flipped.data(), flipped.size())) extractEach(file);
    }
    return 0;
}

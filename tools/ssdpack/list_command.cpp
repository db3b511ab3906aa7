// ssdpack l: one line per entry, as the headers say.
#include <cstdio>

#include "archive_scan.h"
#include "commands.h"

namespace ssdpack {

namespace {

std::string methodName(uint8_t method) {
    if (method == 0x30) return "stored";
    if (method >= 0x31 && method <= 0x35) return "m" + std::to_string(method - 0x30);
    char text[8];
    std::snprintf(text, sizeof text, "0x%02x", method);
    return text;
}

}  // namespace

int runList(const Arguments& args) {
    if (args.size() != 1) {
        std::fputs("ssdpack: l needs exactly one archive\n", stderr);
        return 2;
    }
    ArchiveScan scan = scanArchive(args[0]);
    if (scan.status == ArchiveScan::Unreadable || scan.status == ArchiveScan::NotAnArchive) {
        std::fprintf(stderr, "ssdpack: %s\n", scan.error.c_str());
        return 1;
    }
    std::printf("%-40s %10s %10s %-7s %s\n", "Name", "Packed", "Unpacked", "Method", "Solid");
    uint64_t packed = 0, unpacked = 0;
    for (const ScannedEntry& e : scan.entries) {
        std::printf("%-40s %10u %10u %-7s %s\n", e.name.c_str(), e.packedSize, e.unpackedSize,
                    methodName(e.method).c_str(), (e.flags & 0x0010) ? "solid" : "-");
        packed += e.packedSize;
        unpacked += e.unpackedSize;
    }
    std::printf("%zu entries, %llu bytes packed, %llu unpacked%s\n", scan.entries.size(), (unsigned long long)packed,
                (unsigned long long)unpacked, scan.solid() ? ", solid archive" : "");
    if (scan.status != ArchiveScan::Ok) {
        std::fprintf(stderr, "ssdpack: %s\n", scan.error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace ssdpack

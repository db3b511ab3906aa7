// ssdpack x and t: every entry goes through the program's own archive reader, so what these
// commands accept is exactly what the program will read.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "archive_scan.h"
#include "commands.h"
#include "entry_names.h"
#include "resources/archive_reader.h"

namespace ssdpack {

namespace fs = std::filesystem;

namespace {

bool isOldMarker(const std::string& archive) {
    uint8_t start[4] = {};
    FILE* f = std::fopen(archive.c_str(), "rb");
    if (!f) return false;
    size_t got = std::fread(start, 1, 4, f);
    std::fclose(f);
    static const uint8_t old[4] = {0x52, 0x45, 0x7E, 0x5E};
    return got == 4 && std::memcmp(start, old, 4) == 0;
}

// Why the program's reader refused: the same walk over the headers, told in words.
std::string diagnose(const std::string& archive, const std::string& name) {
    if (isOldMarker(archive)) return archive + " is an archive of RAR 1.3 or older, which is not supported";
    ArchiveScan scan = scanArchive(archive);
    if (scan.status == ArchiveScan::Unreadable || scan.status == ArchiveScan::NotAnArchive) return scan.error;
    size_t index = 0;
    while (index < scan.entries.size() &&
           !::entryNamesMatch(scan.entries[index].name.c_str(), uint32_t(scan.entries[index].name.size()), name.c_str(),
                            uint32_t(name.size())))
        ++index;
    if (index == scan.entries.size()) {
        std::string why = "no entry named " + name;
        if (scan.status != ArchiveScan::Ok) why += " (" + scan.error + ")";
        return why;
    }
    for (size_t i = scan.solid() ? 0 : index; i <= index; ++i) {
        const ScannedEntry& e = scan.entries[i];
        if (e.unpackVersion < 13 || e.unpackVersion > 20)
            return "unsupported unpack version " + std::to_string(e.unpackVersion) + " in entry " + e.name +
                   " (13 to 20 are supported)";
    }
    return "CRC mismatch in " + name + ": the entry is damaged";
}

// An entry's bytes as the program's reader hands them over.
struct EntryBytes {
    std::unique_ptr<uint8_t[]> data;
    uint32_t size = 0;
};

bool extractEntry(const std::string& archive, const std::string& name, EntryBytes& bytes, std::string& why) {
    uint8_t* data = nullptr;
    if (!extractFile(name.c_str(), archive.c_str(), &data, &bytes.size)) {
        why = diagnose(archive, name);
        return false;
    }
    bytes.data.reset(data);
    return true;
}

bool writeFile(const fs::path& path, const EntryBytes& bytes, std::string& why, bool makeFolders = true) {
    std::error_code ec;
    if (makeFolders && path.has_parent_path()) fs::create_directories(path.parent_path(), ec);
    FILE* f = std::fopen(path.c_str(), "wb");
    bool ok = f && (bytes.size == 0 || std::fwrite(bytes.data.get(), 1, bytes.size, f) == bytes.size);
    if (f) ok = (std::fclose(f) == 0) && ok;
    if (!ok) why = "cannot write " + path.string() + ": " + std::strerror(errno);
    return ok;
}

fs::path pathOfEntry(const fs::path& folder, const std::string& name) {
    fs::path path = folder;
    size_t start = 0;
    for (;;) {
        size_t end = name.find_first_of("\\/", start);
        path /= name.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (end == std::string::npos) return path;
        start = end + 1;
    }
}

bool scanForAll(const std::string& archive, ArchiveScan& scan) {
    scan = scanArchive(archive);
    if (scan.status == ArchiveScan::Unreadable || scan.status == ArchiveScan::NotAnArchive) {
        std::fprintf(stderr, "ssdpack: %s\n", scan.error.c_str());
        return false;
    }
    return true;
}

int extractOne(const std::string& archive, const std::string& name, const std::string& out) {
    EntryBytes bytes;
    std::string why;
    if (!extractEntry(archive, name, bytes, why)) {
        std::fprintf(stderr, "ssdpack: %s\n", why.c_str());
        return 1;
    }
    if (out == "-") {
        if (bytes.size != 0 && std::fwrite(bytes.data.get(), 1, bytes.size, stdout) != bytes.size) {
            std::fputs("ssdpack: cannot write to standard output\n", stderr);
            return 1;
        }
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (out.empty() && !entryNameIsSafe(name)) {
        std::fprintf(stderr, "ssdpack: refusing to write outside the current folder: %s\n", name.c_str());
        return 1;
    }
    // The entry's own folders are made; a path the user gave must lead to an existing folder.
    if (!writeFile(out.empty() ? pathOfEntry(".", name) : fs::path(out), bytes, why, out.empty())) {
        std::fprintf(stderr, "ssdpack: %s\n", why.c_str());
        return 1;
    }
    return 0;
}

int extractAll(const std::string& archive, const fs::path& folder) {
    ArchiveScan scan;
    if (!scanForAll(archive, scan)) return 1;
    size_t failed = 0;
    for (const ScannedEntry& e : scan.entries) {
        EntryBytes bytes;
        std::string why;
        bool ok = entryNameIsSafe(e.name) || ((why = "unsafe name, not extracted"), false);
        ok = ok && extractEntry(archive, e.name, bytes, why) && writeFile(pathOfEntry(folder, e.name), bytes, why);
        if (ok) std::printf("extracted %s (%u bytes)\n", e.name.c_str(), bytes.size);
        else std::printf("FAILED    %s: %s\n", e.name.c_str(), why.c_str());
        failed += ok ? 0 : 1;
    }
    std::printf("%zu entries, %zu extracted, %zu failed\n", scan.entries.size(), scan.entries.size() - failed, failed);
    if (scan.status != ArchiveScan::Ok) std::fprintf(stderr, "ssdpack: %s\n", scan.error.c_str());
    return failed == 0 && scan.status == ArchiveScan::Ok ? 0 : 1;
}

}  // namespace

int runExtract(const Arguments& args) {
    if (args.size() == 3 && args[1] == "-d") return extractAll(args[0], args[2]);
    if (args.size() == 2 || args.size() == 3) return extractOne(args[0], args[1], args.size() == 3 ? args[2] : "");
    std::fputs("ssdpack: x needs ARCHIVE NAME [OUT|-] or ARCHIVE -d DIR\n", stderr);
    return 2;
}

int runTest(const Arguments& args) {
    if (args.size() != 1) {
        std::fputs("ssdpack: t needs exactly one archive\n", stderr);
        return 2;
    }
    ArchiveScan scan;
    if (!scanForAll(args[0], scan)) return 1;
    size_t failed = 0;
    for (const ScannedEntry& e : scan.entries) {
        EntryBytes bytes;
        std::string why;
        if (extractEntry(args[0], e.name, bytes, why) && bytes.size == e.unpackedSize) {
            std::printf("ok      %s\n", e.name.c_str());
        } else {
            std::printf("FAILED  %s: %s\n", e.name.c_str(), why.empty() ? "wrong size" : why.c_str());
            ++failed;
        }
    }
    std::printf("%zu entries tested, %zu failed\n", scan.entries.size(), failed);
    if (scan.status != ArchiveScan::Ok) std::fprintf(stderr, "ssdpack: %s\n", scan.error.c_str());
    return failed == 0 && scan.status == ArchiveScan::Ok ? 0 : 1;
}

}  // namespace ssdpack

// ssdpack a: gathers the input files in sorted order and writes the archive.
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>

#include "archive_writer.h"
#include "commands.h"
#include "entry_names.h"

namespace ssdpack {

namespace fs = std::filesystem;

namespace {

struct InputFile {
    std::string name;  // entry name, backslash separated
    fs::path path;
};

bool parseOptions(const Arguments& args, PackOptions& options, std::vector<std::string>& rest) {
    size_t i = 0;
    for (; i < args.size() && args[i].size() > 1 && args[i][0] == '-'; ++i) {
        const std::string& a = args[i];
        if (a == "-s") options.solid = true;
        else if (a == "-mm") options.audio = true;
        else if (a.size() == 3 && a[1] == 'm' && a[2] >= '0' && a[2] <= '5') options.method = a[2] - '0';
        else if (a == "--") {
            ++i;
            break;
        } else {
            std::fprintf(stderr, "ssdpack: unknown option '%s'\n", a.c_str());
            return false;
        }
    }
    rest.assign(args.begin() + std::ptrdiff_t(i), args.end());
    if (rest.size() < 2) {
        std::fputs("ssdpack: a needs an archive and at least one file or folder\n", stderr);
        return false;
    }
    return true;
}

std::string entryNameOf(const fs::path& relative) {
    std::string name;
    for (const fs::path& part : relative) {
        if (!name.empty()) name += '\\';
        name += part.string();
    }
    return name;
}

bool gather(const std::string& argument, std::vector<InputFile>& files) {
    std::error_code ec;
    const fs::path root(argument);
    if (fs::is_directory(root, ec)) {
        std::vector<InputFile> found;
        // Links to folders are not followed: a link back up the tree would never end.
        fs::recursive_directory_iterator it(root, fs::directory_options::none, ec), end;
        for (; !ec && it != end; it.increment(ec)) {
            if (it->is_regular_file(ec)) found.push_back({entryNameOf(fs::relative(it->path(), root, ec)), it->path()});
        }
        if (ec) {
            std::fprintf(stderr, "ssdpack: cannot read folder %s: %s\n", argument.c_str(), ec.message().c_str());
            return false;
        }
        std::sort(found.begin(), found.end(), [](const InputFile& a, const InputFile& b) { return a.name < b.name; });
        files.insert(files.end(), found.begin(), found.end());
        return true;
    }
    if (fs::is_regular_file(root, ec)) {
        // A relative path that stays below the current folder keeps its folders in the name.
        const fs::path normal = root.lexically_normal();
        const bool keepPath = normal.is_relative() && !normal.empty() && *normal.begin() != "..";
        files.push_back({entryNameOf(keepPath ? normal : root.filename()), root});
        return true;
    }
    std::fprintf(stderr, "ssdpack: cannot read %s: no such file or folder\n", argument.c_str());
    return false;
}

bool checkNames(const std::vector<InputFile>& files) {
    std::set<std::string> seen;
    for (const InputFile& f : files) {
        if (f.name.size() > 259) {
            std::fprintf(stderr, "ssdpack: entry name longer than 259 bytes: %s\n", f.name.c_str());
            return false;
        }
        if (!seen.insert(comparableEntryName(f.name)).second) {
            std::fprintf(stderr, "ssdpack: two inputs would share the entry name %s\n", f.name.c_str());
            return false;
        }
    }
    return true;
}

bool readWhole(const fs::path& path, std::vector<uint8_t>& data) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || size > std::streamoff(0xFFFFFFFFu)) return false;
    in.seekg(0);
    data.resize(size_t(size));
    return bool(in.read(reinterpret_cast<char*>(data.data()), size));
}

}  // namespace

int runPack(const Arguments& args) {
    PackOptions options;
    std::vector<std::string> rest;
    if (!parseOptions(args, options, rest)) return 2;
    const std::string archive = rest[0];
    std::vector<InputFile> files;
    for (size_t i = 1; i < rest.size(); ++i)
        if (!gather(rest[i], files)) return 1;
    // An archive rewritten in place would otherwise swallow its own old version.
    std::erase_if(files, [&](const InputFile& f) {
        std::error_code ec;
        return fs::equivalent(f.path, archive, ec);
    });
    if (!checkNames(files)) return 1;

    ArchiveWriter writer;
    std::string error;
    if (!writer.open(archive, options, error)) {
        std::fprintf(stderr, "ssdpack: %s\n", error.c_str());
        return 1;
    }
    uint64_t unpacked = 0, packed = 0;
    std::vector<uint8_t> data;
    for (const InputFile& f : files) {
        struct stat st{};
        if (::stat(f.path.c_str(), &st) != 0 || !readWhole(f.path, data)) {
            std::fprintf(stderr, "ssdpack: cannot read %s (or it is 4 GiB or larger)\n", f.path.c_str());
            return 1;
        }
        PackedEntryInfo info;
        if (!writer.add(f.name, data, dosTimeOf(st.st_mtime), uint32_t(st.st_mode & 0xFFFF), &info, error)) {
            std::fprintf(stderr, "ssdpack: %s\n", error.c_str());
            return 1;
        }
        unpacked += data.size();
        packed += info.packedSize;
    }
    if (!writer.commit(error)) {
        std::fprintf(stderr, "ssdpack: %s\n", error.c_str());
        return 1;
    }
    std::printf("%s: %zu entries, %llu bytes packed to %llu\n", archive.c_str(), files.size(),
                (unsigned long long)unpacked, (unsigned long long)packed);
    return 0;
}

}  // namespace ssdpack

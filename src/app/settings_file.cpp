#include "app/settings_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A settings file is a few hundred bytes; anything past this is not ours to load into memory.
constexpr std::uintmax_t maxFileBytes = 1 << 20;

std::string_view trimmed(std::string_view text)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool writeAll(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += size_t(n);
    }
    return true;
}

void syncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// A settings file kept as a symbolic link (dotfile managers do this) is replaced at its target.
std::filesystem::path resolvedTarget(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::is_symlink(file, error)) return file;
    const auto target = std::filesystem::weakly_canonical(file, error);
    return error ? file : target;
}

}  // namespace

std::optional<std::vector<std::string>> readTextLines(const std::string& file)
{
    std::error_code error;
    if (file.empty() || !std::filesystem::is_regular_file(file, error)) return std::nullopt;
    const auto size = std::filesystem::file_size(file, error);
    if (error || size > maxFileBytes) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    std::uintmax_t total = 0;
    while (std::getline(in, line)) {
        total += line.size() + 1;
        if (total > maxFileBytes + 1) return std::nullopt;  // grew while we read it
        lines.push_back(line);
    }
    if (in.bad()) return std::nullopt;
    // Editors on some desktops start UTF-8 files with a byte-order mark.
    if (!lines.empty() && lines[0].starts_with("\xEF\xBB\xBF")) lines[0].erase(0, 3);
    return lines;
}

bool replaceTextFile(const std::string& file, const std::vector<std::string>& lines)
{
    if (file.empty()) return false;
    const std::filesystem::path target = resolvedTarget(file);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::error_code error;
    std::filesystem::create_directories(folder, error);

    std::string bytes;
    for (const auto& line : lines) bytes += line + '\n';

    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return false;
    struct stat old {};
    const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    const bool written = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(folder);
    return true;
}

bool splitSettingLine(std::string_view line, std::string_view& name, std::string_view& value)
{
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    name = trimmed(line.substr(0, equals));
    value = trimmed(line.substr(equals + 1));
    return true;
}

std::optional<uint32_t> parseUnsigned32(std::string_view text)
{
    if (text.empty()) return std::nullopt;
    uint64_t number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + uint64_t(c - '0');
        if (number > UINT32_MAX) return std::nullopt;
    }
    return uint32_t(number);
}

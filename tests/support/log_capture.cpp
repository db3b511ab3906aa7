#include "support/log_capture.h"

#include "core/log.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// The log keeps its file open: find it among the process's descriptors.
std::string openLogPath()
{
    namespace fs = std::filesystem;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/proc/self/fd", error)) {
        const fs::path target = fs::read_symlink(entry.path(), error);
        if (!error && target.filename() == "log.txt")
            return target.string();
    }
    return {};
}

long fileSize(const std::string& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? 0 : long(size);
}

}  // namespace

LogCapture::LogCapture()
{
    logInstance();
    path_ = openLogPath();
    start_ = fileSize(path_);
}

std::string LogCapture::text() const
{
    std::ifstream in(path_);
    in.seekg(start_);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

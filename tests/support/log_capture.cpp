#include "support/log_capture.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/log.h"

namespace {

namespace fs = std::filesystem;

// The file behind the process-wide log: found among the process's open files, since the log
// may have been opened by an earlier test in some other folder.
fs::path openLogPath()
{
    for (const auto& fd : fs::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        fs::path target = fs::read_symlink(fd.path(), error);
        if (!error && target.filename() == "log.txt")
            return target;
    }
    return {};
}

const fs::path& logPath()
{
    static const fs::path path = [] {
        fs::path folder = fs::temp_directory_path() / ("vantrelle-log-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        fs::path previous = fs::current_path();
        fs::current_path(folder);
        logInstance();
        fs::current_path(previous);
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(fs::temp_directory_path() / ("vantrelle-log-" + std::to_string(::getpid())), ignored);
        });
        return openLogPath();
    }();
    return path;
}

std::string wholeLog()
{
    std::ifstream in(logPath(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

LogCapture::LogCapture() : start_(wholeLog().size()) {}

std::string LogCapture::written() const
{
    std::string text = wholeLog();
    return start_ <= text.size() ? text.substr(start_) : std::string();
}

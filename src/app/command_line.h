#pragma once
// The host's command line: which run mode, and the window number after /c or /p.
#include <cstdint>
#include <string>

enum class RunMode : int32_t { Configure = 0, Preview = 1, FullScreen = 2, FullScreenT = 3 };

// Takes the full command line, program name included; parentWindow is 0 unless a number follows
// the configure or preview switch.
RunMode parseCommandLine(const std::string& full, int32_t& parentWindow);

// The full command line from argv: single spaces between the arguments, the program name in double
// quotes when it contains a space.
std::string joinCommandLine(int argc, const char* const* argv);

// The Linux conveniences, looked at before the host's switches: --help, --version and --window
// (a windowed show; alone it means /s).
enum class LinuxAction { Run, ShowHelp, ShowVersion };

struct LinuxArguments {
    LinuxAction action = LinuxAction::Run;
    bool windowed = false;
    std::string commandLine;  // what parseCommandLine gets, the conveniences taken out
};

LinuxArguments readLinuxArguments(int argc, const char* const* argv);

// The --help text.
std::string usageText(const std::string& programName);

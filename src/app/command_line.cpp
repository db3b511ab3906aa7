#include "app/command_line.h"

#include <cstring>
#include <vector>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Index just past the program name: a quoted name up to its closing quote, else up to one space.
size_t skipProgramName(const std::string& text)
{
    if (!text.empty() && text[0] == '"') {
        const size_t quote = text.find('"', 1);
        return quote == std::string::npos ? text.size() : quote + 1;
    }
    const size_t space = text.find(' ');
    return space == std::string::npos ? text.size() : space + 1;
}

// The first decimal number at or after `from`. Window numbers fit in 32 bits; longer digit runs wrap
// rather than overflow.
bool findWindowNumber(const std::string& text, size_t from, int32_t& number)
{
    while (from < text.size() && !isDigit(text[from])) ++from;
    if (from >= text.size()) return false;
    uint32_t value = 0;
    for (; from < text.size() && isDigit(text[from]); ++from) value = value * 10u + uint32_t(text[from] - '0');
    number = int32_t(value);
    return true;
}

std::string joinArguments(const std::vector<std::string>& arguments)
{
    std::string line;
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0) line += ' ';
        const bool quote = i == 0 && arguments[i].find(' ') != std::string::npos;
        line += quote ? '"' + arguments[i] + '"' : arguments[i];
    }
    return line;
}

}  // namespace

RunMode parseCommandLine(const std::string& full, int32_t& parentWindow)
{
    parentWindow = 0;
    const size_t switchAt = full.find_first_of("/-", skipProgramName(full));
    if (switchAt == std::string::npos) return RunMode::Configure;
    const size_t letterAt = switchAt + 1;
    const char letter = letterAt < full.size() ? full[letterAt] : '\0';
    switch (letter) {
    case 'C':
    case 'c':
        findWindowNumber(full, letterAt + 1, parentWindow);
        return RunMode::Configure;
    case 'P':
    case 'p':
        findWindowNumber(full, letterAt + 1, parentWindow);
        return RunMode::Preview;
    case 'T':
    case 't':
        return RunMode::FullScreenT;
    default:
        return RunMode::FullScreen;
    }
}

std::string joinCommandLine(int argc, const char* const* argv)
{
    std::vector<std::string> arguments;
    for (int i = 0; i < argc && argv[i]; ++i) arguments.emplace_back(argv[i]);
    return joinArguments(arguments);
}

LinuxArguments readLinuxArguments(int argc, const char* const* argv)
{
    LinuxArguments result;
    std::vector<std::string> kept;
    for (int i = 0; i < argc && argv[i]; ++i) {
        const char* argument = argv[i];
        if (i > 0 && std::strcmp(argument, "--help") == 0) {
            result.action = LinuxAction::ShowHelp;
        } else if (i > 0 && std::strcmp(argument, "--version") == 0) {
            if (result.action == LinuxAction::Run) result.action = LinuxAction::ShowVersion;
        } else if (i > 0 && std::strcmp(argument, "--window") == 0) {
            result.windowed = true;
        } else {
            kept.emplace_back(argument);
        }
    }
    if (kept.empty()) kept.emplace_back("vantrelle");
    if (result.windowed && kept.size() == 1) kept.emplace_back("/s");
    result.commandLine = joinArguments(kept);
    return result;
}

std::string usageText(const std::string& programName)
{
    return "Usage: " + programName + " [switch]\n"
           "  /s          run the show full screen (also any other letter, and /t)\n"
           "  /c[:N]      show the configuration dialog, owned by X11 window N\n"
           "  /p N        draw the preview into X11 window N\n"
           "  (none)      show the configuration dialog\n"
           "  --window    run the show in a window instead of full screen\n"
           "  --help      show this text\n"
           "  --version   show the version\n"
           "Switches may start with '/' or '-'.\n";
}

#include "app/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct CommandLineCase {
    const char* line;
    RunMode mode;
    int32_t parentWindow;
};

const CommandLineCase commandLineCases[] = {
    // A quoted program name is skipped whole, spaces and minus signs included.
    {"\"C:\\Program Files\\star-saver - v2\\vantrelle.scr\" /S", RunMode::FullScreen, 0},
    {"\"/opt/my saver/vantrelle-x\" /c:42", RunMode::Configure, 42},
    {"vantrelle /c:1234", RunMode::Configure, 1234},
    {"vantrelle -c", RunMode::Configure, 0},
    {"vantrelle /C 77 /p 5", RunMode::Configure, 77},
    {"vantrelle /cx", RunMode::Configure, 0},
    {"vantrelle /p 5678", RunMode::Preview, 5678},
    {"vantrelle -P:31", RunMode::Preview, 31},
    {"vantrelle /p", RunMode::Preview, 0},
    {"vantrelle /t", RunMode::FullScreenT, 0},
    {"vantrelle -T", RunMode::FullScreenT, 0},
    {"vantrelle /s", RunMode::FullScreen, 0},
    {"vantrelle -x", RunMode::FullScreen, 0},
    {"vantrelle -s 5", RunMode::FullScreen, 0},
    {"vantrelle /", RunMode::FullScreen, 0},
    {"vantrelle", RunMode::Configure, 0},
    {"vantrelle ", RunMode::Configure, 0},
    {"vantrelle settings please", RunMode::Configure, 0},
    {"", RunMode::Configure, 0},
    // An unquoted name is cut at its first space: what follows is searched for the switch.
    {"C:\\my saver\\vantrelle-t.scr /s", RunMode::FullScreenT, 0},
    {"C:\\my saver\\star-c\\vantrelle.scr /p 9", RunMode::Configure, 9},
    {"/opt/my saver/vantrelle /c", RunMode::FullScreen, 0},
    // A quote that never closes swallows the whole line.
    {"\"/opt/vantrelle /s", RunMode::Configure, 0},
    {"\"\"/s", RunMode::FullScreen, 0},
    // Window numbers are taken as they come; an over-long one wraps instead of overflowing.
    {"vantrelle /c:99999999999", RunMode::Configure, 1215752191},
    {"vantrelle /p -12", RunMode::Preview, 12},
};

TEST(CommandLine, ParsesEveryCase)
{
    for (const auto& test : commandLineCases) {
        int32_t parentWindow = -1;
        EXPECT_EQ(parseCommandLine(test.line, parentWindow), test.mode) << test.line;
        EXPECT_EQ(parentWindow, test.parentWindow) << test.line;
    }
}

TEST(CommandLine, JoinQuotesOnlyAProgramNameWithSpaces)
{
    const char* spaced[] = {"/opt/my saver/vantrelle-x", "/c:12"};
    EXPECT_EQ(joinCommandLine(2, spaced), "\"/opt/my saver/vantrelle-x\" /c:12");
    const char* plain[] = {"vantrelle", "/p", "5678"};
    EXPECT_EQ(joinCommandLine(3, plain), "vantrelle /p 5678");
    EXPECT_EQ(joinCommandLine(0, plain), "");

    int32_t parentWindow = 0;
    EXPECT_EQ(parseCommandLine(joinCommandLine(2, spaced), parentWindow), RunMode::Configure);
    EXPECT_EQ(parentWindow, 12);
}

TEST(CommandLine, LinuxConveniencesComeOutBeforeTheHostSwitches)
{
    struct Case {
        std::vector<const char*> argv;
        LinuxAction action;
        bool windowed;
        const char* commandLine;
    };
    const Case cases[] = {
        {{"vantrelle", "/s"}, LinuxAction::Run, false, "vantrelle /s"},
        {{"vantrelle", "--help"}, LinuxAction::ShowHelp, false, "vantrelle"},
        {{"vantrelle", "--version", "--help"}, LinuxAction::ShowHelp, false, "vantrelle"},
        {{"vantrelle", "--version"}, LinuxAction::ShowVersion, false, "vantrelle"},
        {{"vantrelle", "--window"}, LinuxAction::Run, true, "vantrelle /s"},
        {{"/opt/my saver/vantrelle", "--window", "/t"}, LinuxAction::Run, true, "\"/opt/my saver/vantrelle\" /t"},
        {{"vantrelle", "/c", "--window"}, LinuxAction::Run, true, "vantrelle /c"},
        // Only the program name itself may look like an option.
        {{"--help"}, LinuxAction::Run, false, "--help"},
    };
    for (const auto& test : cases) {
        const LinuxArguments parsed = readLinuxArguments(int(test.argv.size()), test.argv.data());
        EXPECT_EQ(parsed.action, test.action) << test.commandLine;
        EXPECT_EQ(parsed.windowed, test.windowed) << test.commandLine;
        EXPECT_EQ(parsed.commandLine, test.commandLine);
    }
    EXPECT_NE(usageText("vantrelle").find("--window"), std::string::npos);
}

}  // namespace

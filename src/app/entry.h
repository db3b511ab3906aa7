#pragma once
// The program's start: the command line, the settings, the displays, the geometry and the current
// folder, then the front end the run mode picks.
#include "app/settings.h"

#include <optional>
#include <string>

struct DesktopMode {
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t depth = 0;
};

// UseDesktop runs in the desktop's mode whatever Width, Height and Depth say; a 0 among them (never
// chosen in the dialog) also takes the desktop's value, or 800 x 600 x 32 when the desktop is unknown.
void applyDesktopMode(Settings& values, const std::optional<DesktopMode>& desktop);

// The folder that holds the running executable; empty when the system does not say.
std::string executableFolder();

// The whole entry sequence; the process's exit code.
int runEntry(int argc, const char* const* argv);

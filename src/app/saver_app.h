#pragma once
// The one application object, handed to whichever front end the run mode picks.
#include "app/command_line.h"

#include <cstdint>

struct MonitorRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// One display. The platform fills these before any window exists; the saver run adds the windows.
struct MonitorInfo {
    char adapterName[128] = {};
    char monitorName[128] = {};
    // Opaque platform handle; null for a display that is not part of the desktop, which is never used.
    void* monitorHandle = nullptr;
    int32_t displayIndex = -1;  // the platform's display number, -1 when there is none
    MonitorRect monitorRect;    // desktop coordinates; all zero when not attached
    void* window = nullptr;     // the platform window covering this display, once the run made it
};

constexpr uint32_t maxMonitors = 9;

class SaverApp {
public:
    virtual ~SaverApp() = default;

    RunMode runMode = RunMode::Configure;
    void* instance = nullptr;
    int32_t parentWindow = 0;  // X11 window id after /c or /p; 0 when none
    int32_t showCommand = 0;
    MonitorInfo monitors[maxMonitors];
    uint32_t monitorCount = 0;
};

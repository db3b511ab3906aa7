#include "app/monitors.h"

#include "platform/platform.h"

#include <cstdint>
#include <cstdio>

namespace {

void copyName(char (&target)[128], const std::string& name)
{
    std::snprintf(target, sizeof target, "%s", name.c_str());
}

}  // namespace

void enumerateMonitors(SaverApp& app)
{
    app.monitorCount = 0;
    const int count = platform::displayCount();
    for (int display = 0; display < count && app.monitorCount < maxMonitors; ++display) {
        MonitorInfo& record = app.monitors[app.monitorCount];
        record = MonitorInfo{};
        const std::string name = platform::displayName(display);
        copyName(record.adapterName, name);
        copyName(record.monitorName, name);
        platform::Rect bounds;
        if (platform::displayBounds(display, bounds)) {
            record.displayIndex = display;
            record.monitorRect = MonitorRect{bounds.left, bounds.top, bounds.right, bounds.bottom};
            // There is no monitor object behind an SDL display: the handle is its number plus one.
            record.monitorHandle = reinterpret_cast<void*>(intptr_t(display) + 1);
        }
        ++app.monitorCount;
    }
}

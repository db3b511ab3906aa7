#include "render/display_hooks.h"

namespace {
DisplayHooks installedHooks;
}

void setDisplayHooks(const DisplayHooks& hooks) { installedHooks = hooks; }
const DisplayHooks& displayHooks() { return installedHooks; }

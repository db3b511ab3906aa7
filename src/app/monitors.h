#pragma once
// The displays the full-screen run covers, one record each, at most nine.
#include "app/saver_app.h"

void enumerateMonitors(SaverApp& app);

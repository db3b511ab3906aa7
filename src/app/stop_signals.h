#pragma once
// SIGTERM, SIGINT and SIGHUP: a screensaver host stops its saver with a signal. The handler only
// sets a flag; the main loop reads it and takes the usual shutdown.
void installStopSignals();
bool stopRequested();
void clearStopRequest();  // for tests

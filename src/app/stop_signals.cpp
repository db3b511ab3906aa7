#include "app/stop_signals.h"

#include <csignal>
#include <initializer_list>

namespace {

volatile std::sig_atomic_t stopSignalled = 0;

extern "C" void onStopSignal(int) { stopSignalled = 1; }

}  // namespace

void installStopSignals()
{
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

bool stopRequested() { return stopSignalled != 0; }

void clearStopRequest() { stopSignalled = 0; }

#include "core/frame_timer.h"

#include <ctime>

namespace {

int64_t monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

int64_t nanosecondsPerSecond() { return 1000000000; }

CounterFunction counterSource = monotonicNanoseconds;
CounterFunction frequencySource = nanosecondsPerSecond;

}  // namespace

int64_t countsPerSecond = 0;
double secondsPerCount = 0.0;
FrameTimer frameTimer;
FrameTimer fpsTimer;

void setCounterSource(CounterFunction counter, CounterFunction frequency)
{
    counterSource = counter;
    frequencySource = frequency;
}

int64_t readCounter() { return counterSource(); }

void initTimerFrequency()
{
    countsPerSecond = frequencySource();
    if (countsPerSecond <= 0) {
        // No usable counter: fall back to the monotonic clock rather than measure nothing.
        setCounterSource(monotonicNanoseconds, nanosecondsPerSecond);
        countsPerSecond = nanosecondsPerSecond();
    }
    secondsPerCount = 1.0 / double(countsPerSecond);
}

void FrameTimer::start() { startCount = readCounter(); }

double FrameTimer::elapsed()
{
    const int64_t now = readCounter();
    elapsedSeconds = double((long double)(now - startCount) * (long double)secondsPerCount);
    return elapsedSeconds;
}

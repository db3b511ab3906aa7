#pragma once
// High-resolution timing over the platform's performance counter.
#include <cstdint>

using CounterFunction = int64_t (*)();

// The counter source; the platform installs its own, the default is the monotonic clock in nanoseconds.
void setCounterSource(CounterFunction counter, CounterFunction frequency);
int64_t readCounter();

extern int64_t countsPerSecond;
extern double secondsPerCount;
void initTimerFrequency();

class FrameTimer {
public:
    virtual ~FrameTimer() = default;
    void start();
    double elapsed();  // seconds since the last start, also kept in elapsedSeconds

    int64_t startCount = 0;
    double elapsedSeconds = 0.0;
};

extern FrameTimer frameTimer;
extern FrameTimer fpsTimer;

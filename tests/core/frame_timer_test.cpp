#include "core/frame_timer.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

int64_t fakeCount = 0;
int64_t fakeCounter() { return fakeCount; }
int64_t fakeFrequency() { return 1000; }
int64_t noFrequency() { return 0; }

class FrameTimerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fakeCount = 5000;
        setCounterSource(fakeCounter, fakeFrequency);
        initTimerFrequency();
    }
    void TearDown() override
    {
        setCounterSource(fakeCounter, noFrequency);
        initTimerFrequency();  // no frequency: back to the monotonic clock
    }
};

TEST_F(FrameTimerTest, ElapsedGrowsFromTheSameStart)
{
    FrameTimer timer;
    timer.start();
    fakeCount += 250;
    const double first = timer.elapsed();
    fakeCount += 500;
    const double second = timer.elapsed();
    EXPECT_DOUBLE_EQ(first, 0.25);
    EXPECT_DOUBLE_EQ(second, 0.75);
    EXPECT_EQ(timer.startCount, 5000);
}

TEST_F(FrameTimerTest, ElapsedSecondsIsTheReturnedValueBitForBit)
{
    FrameTimer timer;
    timer.start();
    fakeCount += 333;
    const double returned = timer.elapsed();
    EXPECT_EQ(std::memcmp(&returned, &timer.elapsedSeconds, sizeof returned), 0);
}

TEST_F(FrameTimerTest, AMissingCounterFallsBackToARunningClock)
{
    setCounterSource(fakeCounter, noFrequency);
    initTimerFrequency();
    EXPECT_GT(countsPerSecond, 0);
    FrameTimer timer;
    timer.start();
    EXPECT_GE(timer.elapsed(), 0.0);
}

}  // namespace

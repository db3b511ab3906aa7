#include "app/input_state.h"

#include <gtest/gtest.h>

namespace {

int recentreCalls = 0;
void countRecentre() { ++recentreCalls; }

constexpr int clientWidth = 800;
constexpr int clientHeight = 600;

class InputStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetInputState();
        recentreCalls = 0;
    }
    void TearDown() override { resetInputState(); }

    // One mouse move by (dx, dy) from the centre, then the frame's exit tests.
    static bool moveAndTest(int dx, int dy, bool mouseExit = true)
    {
        onMouseMove(clientWidth / 2 + dx, clientHeight / 2 + dy, clientWidth, clientHeight);
        return runExitTests(mouseExit, countRecentre);
    }
};

TEST_F(InputStateTest, MouseDeltaIsThreeTenthsOfTheOffsetFromTheCentre)
{
    onMouseMove(500, 400, clientWidth, clientHeight);
    EXPECT_EQ(mouseDelta.x, 30.0f);
    EXPECT_EQ(mouseDelta.y, 30.0f);
    onMouseMove(400, 300, clientWidth, clientHeight);  // replaced, not added
    EXPECT_EQ(mouseDelta.x, 0.0f);
    EXPECT_EQ(mouseDelta.y, 0.0f);
    onMouseMove(0, 0, 801, 601);  // integer halves
    EXPECT_EQ(mouseDelta.x, -120.0f);
    EXPECT_EQ(mouseDelta.y, -90.0f);
}

TEST_F(InputStateTest, MovementBeyondTheThresholdEndsTheShow)
{
    struct Case {
        int dx, dy;
        bool stops;
    };
    const Case cases[] = {
        {24, 0, true},    // 7.2
        {23, 0, false},   // 6.9
        {0, 24, true},
        {-24, 0, false},  // only a net movement right and down counts
        {12, 12, true},   // both components add up
    };
    for (const auto& test : cases) {
        resetInputState();
        EXPECT_EQ(moveAndTest(test.dx, test.dy), test.stops) << test.dx << "," << test.dy;
    }
    resetInputState();
    moveAndTest(24, 0);
    EXPECT_FLOAT_EQ(mouseTotal, 7.2f);
}

TEST_F(InputStateTest, LeftAndUpLowerTheTotalWhichRestartsEachWindow)
{
    EXPECT_FALSE(moveAndTest(20, 0));   // 6.0
    EXPECT_FALSE(moveAndTest(0, -10));  // 3.0
    EXPECT_FALSE(moveAndTest(-5, 0));   // 1.5
    EXPECT_FALSE(moveAndTest(18, 0));   // 6.9
    resetMouseTotal();
    EXPECT_FALSE(moveAndTest(20, 0));   // 6.0 in the new window
    EXPECT_TRUE(moveAndTest(4, 0));     // 7.2
}

TEST_F(InputStateTest, EachTakenUpComponentRecentresEvenWithMouseExitOff)
{
    EXPECT_FALSE(moveAndTest(100, 100, false));
    EXPECT_EQ(recentreCalls, 2);
    EXPECT_EQ(mouseDelta.x, 0.0f);
    EXPECT_EQ(mouseDelta.y, 0.0f);
    EXPECT_FLOAT_EQ(mouseTotal, 60.0f);
    EXPECT_FALSE(moveAndTest(0, 0, false));  // the re-centring move itself changes nothing
    EXPECT_EQ(recentreCalls, 2);
    EXPECT_TRUE(moveAndTest(0, 0, true));    // the total is still there once the option is on
}

TEST_F(InputStateTest, KeysAndButtonsThatEndTheShow)
{
    struct Case {
        const char* what;
        void (*press)();
        bool stops;
    };
    const Case cases[] = {
        {"key down", [] { onKeyDown(4); }, true},
        {"left button", [] { onMouseButtonDown(MouseButton::Left); }, true},
        {"right button", [] { onMouseButtonDown(MouseButton::Right); }, true},
        {"middle button", [] { onMouseButtonDown(MouseButton::Middle); }, false},
        {"other button", [] { onMouseButtonDown(MouseButton::Other); }, false},
        {"key up", [] { onKeyUp(4); }, false},
        {"system key", [] { onKeyDown(226, true); }, false},
        {"code 0", [] { onKeyDown(0); }, false},
        {"code 256", [] { onKeyDown(256); }, false},
        {"code -1", [] { onKeyDown(-1); }, false},
    };
    for (const auto& test : cases) {
        resetInputState();
        test.press();
        EXPECT_EQ(runExitTests(false, countRecentre), test.stops) << test.what;
    }
}

TEST_F(InputStateTest, HeldKeysKeepTheirEntryAndReleaseClearsOnlyThatEntry)
{
    onKeyDown(30);
    onKeyDown(30);  // auto-repeat
    onKeyDown(31);
    EXPECT_EQ(keyFlags[30], 1);
    EXPECT_EQ(keyFlags[31], 1);
    onKeyUp(30);
    EXPECT_EQ(keyFlags[30], 0);
    EXPECT_EQ(keyFlags[31], 1);
    EXPECT_EQ(keyFlags[0], 1);
    onKeyUp(31, true);  // a system-key release touches nothing either
    EXPECT_EQ(keyFlags[31], 1);
    clearAnyInput();
    EXPECT_EQ(keyFlags[0], 0);
    EXPECT_EQ(keyFlags[31], 1);
    clearKeyFlags();
    EXPECT_EQ(keyFlags[31], 0);
}

}  // namespace

#include "app/window_input.h"

#include "app/input_state.h"

#include <gtest/gtest.h>

namespace {

using platform::Event;
using platform::EventType;

Event key(EventType type, int code, bool systemKey = false)
{
    Event event;
    event.type = type;
    event.scancode = code;
    event.systemKey = systemKey;
    return event;
}

Event button(platform::MouseButton which)
{
    Event event;
    event.type = EventType::ButtonDown;
    event.button = which;
    return event;
}

Event ofType(EventType type)
{
    Event event;
    event.type = type;
    return event;
}

constexpr int keyA = 4;  // the scancode of A

struct InputCase {
    const char* name;
    Event event;
    bool anyInput;  // entry 0 afterwards
    bool keyDown;   // the entry of A afterwards
    bool goesOn;
};

class DispatchEvent : public ::testing::TestWithParam<InputCase> {
protected:
    void SetUp() override { resetInputState(); }
    void TearDown() override { resetInputState(); }
};

TEST_P(DispatchEvent, SetsTheFlagsTheExitTestsRead)
{
    const InputCase& c = GetParam();
    EXPECT_EQ(dispatchEvent(c.event, nullptr), c.goesOn);
    EXPECT_EQ(keyFlags[0] != 0, c.anyInput);
    EXPECT_EQ(keyFlags[keyA] != 0, c.keyDown);
}

INSTANTIATE_TEST_SUITE_P(
    Events, DispatchEvent,
    ::testing::Values(InputCase{"OrdinaryKey", key(EventType::KeyDown, keyA), true, true, true},
                      InputCase{"SystemKey", key(EventType::KeyDown, keyA, true), false, false, true},
                      InputCase{"KeyBeyondTheFlags", key(EventType::KeyDown, 0), false, false, true},
                      InputCase{"KeyRelease", key(EventType::KeyUp, keyA), false, false, true},
                      InputCase{"LeftButton", button(platform::MouseButton::Left), true, false, true},
                      InputCase{"RightButton", button(platform::MouseButton::Right), true, false, true},
                      InputCase{"MiddleButton", button(platform::MouseButton::Middle), false, false, true},
                      InputCase{"OtherButton", button(platform::MouseButton::Other), false, false, true},
                      InputCase{"Wheel", ofType(EventType::Wheel), false, false, true},
                      InputCase{"OtherEvent", ofType(EventType::Other), false, false, true},
                      InputCase{"Close", ofType(EventType::Close), false, false, false},
                      InputCase{"Quit", ofType(EventType::Quit), false, false, false}),
    [](const ::testing::TestParamInfo<InputCase>& info) { return std::string(info.param.name); });

TEST(DispatchEventSequence, AReleaseClearsItsKeyButNeverTheAnyInputFlag)
{
    resetInputState();
    dispatchEvent(key(EventType::KeyDown, keyA), nullptr);
    dispatchEvent(key(EventType::KeyDown, keyA), nullptr);  // auto-repeat
    dispatchEvent(key(EventType::KeyUp, keyA), nullptr);
    EXPECT_EQ(keyFlags[keyA], 0);
    EXPECT_EQ(keyFlags[0], 1);
    resetInputState();
}

}  // namespace

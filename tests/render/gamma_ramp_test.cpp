#include "render/gamma_ramp.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(GammaExponent, FollowsTheGammaSetting)
{
    const struct { uint32_t gamma; float exponent; } cases[] = {{0, 1.5f}, {50, 1.0f}, {100, 0.5f}, {75, 0.75f}};
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(gammaExponent(c.gamma), c.exponent) << "Gamma " << c.gamma;
}

TEST(GammaRamp, EntriesForTheDialogsRange)
{
    const struct { float exponent; int index; uint16_t entry; } cases[] = {
        {1.0f, 0, 0},     {1.0f, 1, 256},     {1.0f, 128, 32768}, {1.0f, 255, 65280},
        {0.5f, 0, 0},     {0.5f, 128, 46340}, {0.5f, 64, 32768},  {1.5f, 0, 0},
        {1.5f, 128, 23170}, {1.5f, 255, 65152},
    };
    for (const auto& c : cases) {
        const GammaRamp ramp = computeGammaRamp(c.exponent, c.exponent, c.exponent);
        for (int channel = 0; channel < 3; ++channel)
            EXPECT_EQ(ramp[size_t(channel * 256 + c.index)], c.entry)
                << "exponent " << c.exponent << " index " << c.index << " channel " << channel;
    }
}

TEST(GammaRamp, ChannelsTakeTheirOwnExponentsRedFirst)
{
    const GammaRamp ramp = computeGammaRamp(1.0f, 0.5f, 1.5f);
    EXPECT_EQ(ramp[128], 32768);
    EXPECT_EQ(ramp[256 + 128], 46340);
    EXPECT_EQ(ramp[512 + 128], 23170);
}

TEST(GammaRamp, GammaBeyondTheDialogsRangeStaysWithinSixteenBits)
{
    // Gamma 1000 gives a negative exponent: entries above 1 and an infinite entry 0.
    const GammaRamp ramp = computeGammaRamp(gammaExponent(1000), 1.0f, 1.0f);
    EXPECT_EQ(ramp[0], 65535);
    EXPECT_EQ(ramp[200], 65535);
}

// Fake display: remembers what it was given and hands out a fixed ramp in force.
std::optional<GammaRamp> written;
bool readable = true;
bool readRamp(GammaRamp& ramp)
{
    for (size_t i = 0; i < ramp.size(); ++i)
        ramp[i] = uint16_t(100 + i);
    return readable;
}
bool writeRamp(const GammaRamp& ramp)
{
    written = ramp;
    return true;
}

class GammaRestore : public ::testing::Test {
protected:
    void SetUp() override
    {
        written.reset();
        readable = true;
        setDisplayHooks(DisplayHooks{nullptr, nullptr, readRamp, writeRamp});
    }
    void TearDown() override { setDisplayHooks(DisplayHooks{}); }
};

TEST_F(GammaRestore, GivesBackTheRampReadAtStart)
{
    ASSERT_TRUE(saveGammaRamp());
    applyGammaRamp(0.5f, 0.5f, 0.5f);
    ASSERT_TRUE(written);
    EXPECT_EQ((*written)[128], 46340);
    EXPECT_TRUE(restoreGammaRamp());
    EXPECT_EQ((*written)[0], 100);
    EXPECT_EQ((*written)[767], 867);
}

TEST_F(GammaRestore, WithoutAReadingGivesTheStraightRamp)
{
    readable = false;
    EXPECT_FALSE(saveGammaRamp());
    EXPECT_TRUE(restoreGammaRamp());
    ASSERT_TRUE(written);
    EXPECT_EQ(*written, computeGammaRamp(1.0f, 1.0f, 1.0f));
    EXPECT_EQ((*written)[255], 65280);
}

TEST_F(GammaRestore, WithoutADisplayNothingIsAccepted)
{
    setDisplayHooks(DisplayHooks{});
    EXPECT_FALSE(saveGammaRamp());
    EXPECT_FALSE(applyGammaRamp(1.0f, 1.0f, 1.0f));
    EXPECT_FALSE(restoreGammaRamp());
}

}  // namespace

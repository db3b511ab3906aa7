#include "core/random.h"

#include <gtest/gtest.h>

namespace {

class RandomTest : public ::testing::Test {
protected:
    void SetUp() override { seedRandom(1); }
    void TearDown() override { seedRandom(1); }
};

TEST_F(RandomTest, TheSequenceFromTheStartingState)
{
    const int32_t expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (const int32_t value : expected) EXPECT_EQ(nextRandom(), value);
    seedRandom(12345);
    EXPECT_EQ(nextRandom(), 7584);
    EXPECT_EQ(nextRandom(), 19164);
}

TEST_F(RandomTest, FractionsIncludeBothEnds)
{
    seedRandom(4028364353u);  // the next value is 32767
    EXPECT_EQ(randomFraction(), 1.0f);
    seedRandom(2708534849u);  // the next value is 0
    EXPECT_EQ(randomFraction(), 0.0f);
    seedRandom(1);
    EXPECT_EQ(randomFraction(), 41.0f / 32767.0f);
}

TEST_F(RandomTest, IndexPicksStayBelowTheChoices)
{
    seedRandom(4028364353u);
    EXPECT_EQ(randomIndex(3.8f), 3);
    seedRandom(4028364353u);
    EXPECT_EQ(randomIndex(2.9f), 2);
    seedRandom(2708534849u);
    EXPECT_EQ(randomIndex(3.9f), 0);
}

TEST_F(RandomTest, UnitVectorDrawsXThenYThenZ)
{
    const Vec3 v = randomUnitVector();
    EXPECT_NEAR(v.x, -0.8468518f, 1e-6f);
    EXPECT_NEAR(v.y, 0.1079649f, 1e-6f);
    EXPECT_NEAR(v.z, -0.5207549f, 1e-6f);
    EXPECT_NEAR(length(v), 1.0f, 1e-6f);
    EXPECT_EQ(nextRandom(), 26500);  // exactly three draws
}

}  // namespace

#include "core/notation.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

namespace {

TEST(Notation, VectorsReadXYZ)
{
    struct Case {
        const char* text;
        bool complete;
        Vec3 expected;
    };
    const Case cases[] = {
        {"V(1 2 3)", true, {1, 2, 3}},
        {"V( -1.5   +2e1\t.25 )", true, {-1.5f, 20, 0.25f}},
        {"  V(1 2 3", true, {1, 2, 3}},  // the closing parenthesis is not checked
        {"V(1e60 -1e60 1e-60)", true, {INFINITY, -INFINITY, 0}},
        {"V(1 2)", false, {1, 2, 9}},
        {"V(1,2,3)", false, {1, 9, 9}},
        {"V(x 2 3)", false, {9, 9, 9}},
        {"V (1 2 3)", false, {9, 9, 9}},
        {"v(1 2 3)", false, {9, 9, 9}},
        {"Q(1 2 3)", false, {9, 9, 9}},
        {"V(+-1 2 3)", false, {9, 9, 9}},
        {"", false, {9, 9, 9}},
    };
    for (const auto& test : cases) {
        Vec3 v(9, 9, 9);
        EXPECT_EQ(parseVec3(test.text, v), test.complete) << test.text;
        EXPECT_EQ(v, test.expected) << test.text;
    }
    Vec3 untouched(9, 9, 9);
    EXPECT_FALSE(parseVec3(nullptr, untouched));
}

TEST(Notation, QuaternionsReadTheScalarLast)
{
    Quat q(9, 9, 9, 9);
    ASSERT_TRUE(parseQuat("Q(0 0 0 1)", q));
    EXPECT_EQ(q, Quat(0, 0, 0, 1));
    ASSERT_TRUE(parseQuat("Q(0.1 -0.2 0.3 0.9)", q));
    EXPECT_EQ(q, Quat(0.1f, -0.2f, 0.3f, 0.9f));
    Quat partial(9, 9, 9, 9);
    EXPECT_FALSE(parseQuat("Q(1 2 3)", partial));
    EXPECT_EQ(partial, Quat(1, 2, 3, 9));
    EXPECT_FALSE(parseQuat("V(1 2 3 4)", partial));
}

TEST(Notation, NumbersIgnoreTheLocale)
{
    // A desktop that uses decimal commas must not change how scripts read.
    const char* const old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no locale with decimal commas";
    Vec3 v;
    const bool complete = parseVec3("V(0.5 1.25 -2.75)", v);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_TRUE(complete);
    EXPECT_EQ(v, Vec3(0.5f, 1.25f, -2.75f));

}

TEST(Notation, ScanNumberStopsAfterTheNumber)
{
    const char* text = "  12.5rest";
    float value = 7;
    EXPECT_EQ(scanNumber(text, value), text + 6);
    EXPECT_EQ(value, 12.5f);
    EXPECT_EQ(scanNumber("  rest", value), nullptr);
    EXPECT_EQ(value, 12.5f);
}

}  // namespace

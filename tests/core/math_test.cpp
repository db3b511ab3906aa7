#include "core/math_ops.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void expectQuatNear(const Quat& got, const Quat& expected, float tolerance = 1e-6f)
{
    EXPECT_NEAR(got.x, expected.x, tolerance);
    EXPECT_NEAR(got.y, expected.y, tolerance);
    EXPECT_NEAR(got.z, expected.z, tolerance);
    EXPECT_NEAR(got.w, expected.w, tolerance);
}

void expectVecNear(const Vec3& got, const Vec3& expected, float tolerance = 1e-6f)
{
    EXPECT_NEAR(got.x, expected.x, tolerance);
    EXPECT_NEAR(got.y, expected.y, tolerance);
    EXPECT_NEAR(got.z, expected.z, tolerance);
}

const float halfRoot2 = std::sqrt(0.5f);
const Quat identity(0, 0, 0, 1);
const Quat quarterTurnZ(0, 0, halfRoot2, halfRoot2);  // 90 degrees about z

TEST(Vec3Ops, Arithmetic)
{
    const Vec3 a(1, 2, 3), b(4, -5, 6);
    EXPECT_EQ(a + b, Vec3(5, -3, 9));
    EXPECT_EQ(a - b, Vec3(-3, 7, -3));
    EXPECT_EQ(-a, Vec3(-1, -2, -3));
    EXPECT_EQ(a * 2.0f, Vec3(2, 4, 6));
    EXPECT_EQ(2.0f * a, Vec3(2, 4, 6));
    EXPECT_EQ(b / 2.0f, Vec3(2, -2.5f, 3));
    EXPECT_EQ(multiplyComponents(a, b), Vec3(4, -10, 18));
    EXPECT_EQ(dot(a, b), 12.0f);
    EXPECT_EQ(cross(Vec3(1, 0, 0), Vec3(0, 1, 0)), Vec3(0, 0, 1));
    EXPECT_EQ(cross(a, b), Vec3(27, 6, -13));
    EXPECT_EQ(length(Vec3(2, 3, 6)), 7.0f);
    Vec3 c = a;
    c += b;
    EXPECT_EQ(c, Vec3(5, -3, 9));
    c.fill(0.5f);
    EXPECT_EQ(c, Vec3(0.5f, 0.5f, 0.5f));
}

TEST(Vec3Ops, Normalised)
{
    EXPECT_EQ(normalised(Vec3(0, 2, 0)), Vec3(0, 1, 0));
    const Vec3 zero = normalised(Vec3(0, 0, 0));
    EXPECT_FALSE(std::isfinite(zero.x) || std::isfinite(zero.y) || std::isfinite(zero.z));
}

TEST(Slerp, EdgeCases)
{
    const Quat a(0.1f, 0.2f, 0.3f, std::sqrt(1.0f - 0.14f));
    for (const double t : {-1.0, -1.0 / 3.0, 0.0, 1.0 / 3.0, 0.5, 1.0, 2.0}) {
        SCOPED_TRACE(t);
        expectQuatNear(slerp(a, a, t), a);
        expectQuatNear(slerp(a, -a, t), a);  // the sign flip makes them equal
    }
    expectQuatNear(slerp(identity, quarterTurnZ, 1.0), quarterTurnZ);
    expectQuatNear(slerp(identity, -quarterTurnZ, 1.0), quarterTurnZ);  // b or -b, on a's side
    expectQuatNear(slerp(identity, quarterTurnZ, 0.0), identity);
    // Half way: 45 degrees about z.
    const float s = std::sin(float(M_PI) / 8), c = std::cos(float(M_PI) / 8);
    expectQuatNear(slerp(identity, quarterTurnZ, 0.5), Quat(0, 0, s, c));
    // t = -1 reflects b about a: -90 degrees.
    expectQuatNear(slerp(identity, quarterTurnZ, -1.0), Quat(0, 0, -halfRoot2, halfRoot2));
}

TEST(Slerp, NearlyEqualQuaternionsBlendLinearly)
{
    const Quat a(0, 0, 0, 1), b(0, 0, 1e-5f, 1);
    const Quat mid = slerp(a, b, 0.5);
    EXPECT_FLOAT_EQ(mid.z, 0.5e-5f);
    EXPECT_FLOAT_EQ(mid.w, 1.0f);
}

TEST(EaseCurve, Cases)
{
    struct Case {
        float t, a, b, expected;
    };
    const Case cases[] = {
        {0.3f, 0, 0, 0.3f},
        {-0.5f, 0, 0, -0.5f},
        {0.5f, 0.25f, 0.25f, 0.5f},
        {0, 0.25f, 0.25f, 0},
        {1, 0.25f, 0.25f, 1},
        {0.25f, 0.25f, 0.25f, 1.0f / 6.0f},      // k = 2/3: the joint of the first piece
        {0.1f, 0.25f, 0.25f, 0.04f / 1.5f},      // (k / a) t^2
        // a = b = 0.75 rescales to 0.5 each: k = 1 and the curve is two parabolas.
        {0.25f, 0.75f, 0.75f, 0.125f},
        {0.5f, 0.75f, 0.75f, 0.5f},
        {0.75f, 0.75f, 0.75f, 0.875f},
        // Outside 0..1 the end pieces carry on.
        {-0.5f, 0.25f, 0.25f, 2.0f / 3.0f},
        {1.5f, 0.25f, 0.25f, 1.0f / 3.0f},
        // A zero fraction has no curved piece; the track still ends at exactly 1 (no NaN).
        {1, 0.5f, 0, 1},
        {0.75f, 0.5f, 0, 1.0f / 1.5f * (1.5f - 0.5f)},
        {0, 0, 0.5f, 0},
        {0.25f, 0, 0.5f, 1.0f / 1.5f * 0.5f},
    };
    for (const auto& test : cases) {
        EXPECT_NEAR(easeCurve(test.t, test.a, test.b), test.expected, 1e-6f)
            << test.t << " " << test.a << " " << test.b;
    }
}

TEST(QuatToMatrix, IdentityAndAxes)
{
    const Mat4 id;
    for (const Quat& q : {identity, Quat(0, 0, 0, 0)}) {
        const Mat4 m = quatToMatrix(q);
        for (int i = 0; i < 16; ++i) EXPECT_EQ(m.m[i], id.m[i]) << i;
    }
    // A quarter turn about z takes x to y: column 0 is (0, 1, 0).
    const Mat4 m = quatToMatrix(quarterTurnZ);
    expectVecNear(Vec3(m.at(0, 0), m.at(1, 0), m.at(2, 0)), Vec3(0, 1, 0));
    expectVecNear(Vec3(m.at(0, 1), m.at(1, 1), m.at(2, 1)), Vec3(-1, 0, 0));
    expectVecNear(Vec3(m.at(0, 2), m.at(1, 2), m.at(2, 2)), Vec3(0, 0, 1));
    EXPECT_EQ(m.m[15], 1.0f);
    EXPECT_EQ(m.m[3] + m.m[7] + m.m[11] + m.m[12] + m.m[13] + m.m[14], 0.0f);
    // Half a turn about x turns y round.
    EXPECT_EQ(quatToMatrix(Quat(1, 0, 0, 0)).at(1, 1), -1.0f);
}

TEST(RotateAboutPoint, TurnsClockwiseSeenFromTheAxisTip)
{
    struct Case {
        Vec3 point, axis, centre;
        float angle;
        Vec3 expected;
    };
    const Case cases[] = {
        {{1, 0, 0}, {0, 0, 1}, {0, 0, 0}, 90, {0, -1, 0}},
        {{1, 0, 0}, {0, 0, 5}, {0, 0, 0}, 90, {0, -1, 0}},  // the axis is normalised
        {{0, 1, 0}, {1, 0, 0}, {0, 0, 0}, 90, {0, 0, -1}},
        {{2, 1, 0}, {0, 0, 1}, {1, 1, 0}, 90, {1, 0, 0}},   // about a centre
        {{1, 0, 0}, {0, 0, 1}, {0, 0, 0}, -90, {0, 1, 0}},
        {{1, 2, 3}, {1, 1, 1}, {0, 0, 0}, 120, {2, 3, 1}},
        {{1, 2, 3}, {0, 0, 0}, {0, 0, 0}, 90, {1, 2, 3}},   // no axis: unchanged
    };
    for (const auto& test : cases) {
        Vec3 p = test.point;
        rotateAboutPoint(p, test.axis, test.centre, test.angle);
        expectVecNear(p, test.expected, 1e-5f);
    }
}

}  // namespace

#include "core/math_ops.h"

#include <cmath>
#include <numbers>

Quat slerp(const Quat& a, const Quat& b, double t)
{
    double d = double(a.x) * b.x + double(a.y) * b.y + double(a.z) * b.z + double(a.w) * b.w;
    Quat to = b;
    if (d < 0.0) {
        to = -b;
        d = -d;
    }
    double s0 = 1.0 - t;
    double s1 = t;
    if (1.0 - d > double(1e-8f)) {
        const double omega = std::acos(d);
        const double sinOmega = std::sin(omega);
        s0 = std::sin((1.0 - t) * omega) / sinOmega;
        s1 = std::sin(t * omega) / sinOmega;
    }
    return {float(s0 * a.x + s1 * to.x), float(s0 * a.y + s1 * to.y), float(s0 * a.z + s1 * to.z),
            float(s0 * a.w + s1 * to.w)};
}

Mat4 quatToMatrix(const Quat& q)
{
    const float x = q.x, y = q.y, z = q.z, w = q.w;
    Mat4 r;
    r.m[0] = 1.0f - 2.0f * (y * y + z * z);
    r.m[1] = 2.0f * (x * y - z * w);
    r.m[2] = 2.0f * (x * z + y * w);
    r.m[3] = 0.0f;
    r.m[4] = 2.0f * (x * y + z * w);
    r.m[5] = 1.0f - 2.0f * (x * x + z * z);
    r.m[6] = 2.0f * (y * z - x * w);
    r.m[7] = 0.0f;
    r.m[8] = 2.0f * (x * z - y * w);
    r.m[9] = 2.0f * (y * z + x * w);
    r.m[10] = 1.0f - 2.0f * (x * x + y * y);
    r.m[11] = 0.0f;
    r.m[12] = 0.0f;
    r.m[13] = 0.0f;
    r.m[14] = 0.0f;
    r.m[15] = 1.0f;
    return r;
}

float easeCurve(float t, float a, float b)
{
    const float sum = a + b;
    if (sum == 0.0f) return t;
    if (sum > 1.0f) {
        a /= sum;
        b /= sum;
    }
    const float k = 1.0f / (2.0f - a - b);
    // A fraction of zero has no curved piece: the straight piece runs on to that end instead of
    // dividing by the zero fraction (which gave NaN at t = 1 with no deceleration).
    if (t < a && a > 0.0f) return (k / a) * t * t;
    if (t < 1.0f - b || b <= 0.0f) return k * (2.0f * t - a);
    const float u = 1.0f - t;
    return 1.0f - (k / b) * u * u;
}

void rotateAboutPoint(Vec3& point, const Vec3& axis, const Vec3& centre, float angle)
{
    const float axisLength = length(axis);
    if (!(axisLength > 0.0f)) return;  // as glRotatef: no axis, no rotation
    const Vec3 n = axis / axisLength;
    const double radians = double(angle) * std::numbers::pi / 180.0;
    const float c = float(std::cos(radians));
    const float s = float(std::sin(radians));
    const float k = 1.0f - c;

    // The rows of glRotatef's matrix R; the point moves by R transposed, so each new component is
    // the dot product of the offset with a column of R.
    const Vec3 row0{n.x * n.x * k + c, n.x * n.y * k - n.z * s, n.x * n.z * k + n.y * s};
    const Vec3 row1{n.y * n.x * k + n.z * s, n.y * n.y * k + c, n.y * n.z * k - n.x * s};
    const Vec3 row2{n.x * n.z * k - n.y * s, n.y * n.z * k + n.x * s, n.z * n.z * k + c};
    const Vec3 offset = point - centre;
    const Vec3 turned{offset.x * row0.x + offset.y * row1.x + offset.z * row2.x,
                      offset.x * row0.y + offset.y * row1.y + offset.z * row2.y,
                      offset.x * row0.z + offset.y * row1.z + offset.z * row2.z};
    point = centre + turned;
}

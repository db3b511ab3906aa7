#pragma once
// Three single-precision components: positions, directions and RGB colours.
#include <cmath>

struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    constexpr Vec3() = default;
    constexpr Vec3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}

    constexpr void fill(float s) { x = y = z = s; }

    constexpr Vec3& operator+=(const Vec3& b)
    {
        x += b.x;
        y += b.y;
        z += b.z;
        return *this;
    }
    constexpr Vec3& operator-=(const Vec3& b)
    {
        x -= b.x;
        y -= b.y;
        z -= b.z;
        return *this;
    }
    constexpr Vec3& operator*=(float s)
    {
        x *= s;
        y *= s;
        z *= s;
        return *this;
    }

    constexpr bool operator==(const Vec3&) const = default;
};

constexpr Vec3 operator-(const Vec3& v) { return {-v.x, -v.y, -v.z}; }
constexpr Vec3 operator+(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
constexpr Vec3 operator-(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
constexpr Vec3 operator*(const Vec3& v, float s) { return {v.x * s, v.y * s, v.z * s}; }
constexpr Vec3 operator*(float s, const Vec3& v) { return {s * v.x, s * v.y, s * v.z}; }
constexpr Vec3 operator/(const Vec3& v, float s) { return {v.x / s, v.y / s, v.z / s}; }

// Component by component; used to tint colours.
constexpr Vec3 multiplyComponents(const Vec3& a, const Vec3& b) { return {a.x * b.x, a.y * b.y, a.z * b.z}; }

constexpr float dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

constexpr Vec3 cross(const Vec3& a, const Vec3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

inline float length(const Vec3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

// No guard: a zero vector gives non-finite components.
inline Vec3 normalised(const Vec3& v) { return v / length(v); }

#pragma once
// A rotation quaternion, scalar part last. Nothing normalises it: script values are used as written.

class Quat {
public:
    Quat() = default;
    Quat(float x_, float y_, float z_, float w_) : x(x_), y(y_), z(z_), w(w_) {}
    Quat(const Quat&) = default;
    Quat& operator=(const Quat&) = default;
    virtual ~Quat() = default;

    bool operator==(const Quat& b) const { return x == b.x && y == b.y && z == b.z && w == b.w; }

    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 0.0f;
};

inline Quat operator-(const Quat& q) { return {-q.x, -q.y, -q.z, -q.w}; }

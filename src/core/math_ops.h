#pragma once
// The numeric operations several subsystems share.
#include "core/mat4.h"
#include "core/quat.h"
#include "core/vec3.h"

// Spherical interpolation along the shorter arc, in double precision; t is not clamped and the result
// is not renormalised.
Quat slerp(const Quat& a, const Quat& b, double t);

// The rotation matrix of q, taken without normalisation.
Mat4 quatToMatrix(const Quat& q);

// Accelerates over the first fraction a of t, runs at constant speed, decelerates over the last b.
float easeCurve(float t, float a, float b);

// Turns point about the line through centre along axis by angle degrees, opposite to OpenGL's sense:
// seen from the axis tip, a positive angle turns clockwise.
void rotateAboutPoint(Vec3& point, const Vec3& axis, const Vec3& centre, float angle);

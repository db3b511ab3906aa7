#pragma once
// The script notations V(x y z) and Q(x y z w), read the way a "V(%f %f %f)" pattern would read
// them, but independent of the process locale.
#include "core/quat.h"
#include "core/vec3.h"

// A decimal number (optional sign, digits with an optional '.', optional exponent) after optional
// white space. Returns the character after it, or nullptr (value untouched) when none is there.
const char* scanNumber(const char* text, float& value);

// Text starting (after optional white space) with "V(" or "Q(", then the numbers, each after
// optional white space. Components are stored as they are read, so a malformed text leaves the
// later ones as they were; true when all of them were read. The closing parenthesis is not checked.
bool parseVec3(const char* text, Vec3& out);
bool parseQuat(const char* text, Quat& out);

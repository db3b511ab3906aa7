#include "core/notation.h"

#include <charconv>
#include <cstring>
#include <limits>

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

const char* skipSpace(const char* text)
{
    while (isSpace(*text)) ++text;
    return text;
}

// Past "<letter>(" after optional white space, or nullptr.
const char* openNotation(const char* text, char letter)
{
    if (!text) return nullptr;
    text = skipSpace(text);
    return text[0] == letter && text[1] == '(' ? text + 2 : nullptr;
}

// Reads up to `count` numbers into `components`; returns how many were read.
int scanNumbers(const char* text, float* const* components, int count)
{
    for (int i = 0; i < count; ++i) {
        text = scanNumber(text, *components[i]);
        if (!text) return i;
    }
    return count;
}

}  // namespace

const char* scanNumber(const char* text, float& value)
{
    if (!text) return nullptr;
    text = skipSpace(text);
    const bool plus = *text == '+';
    const char* start = plus ? text + 1 : text;
    if (plus && *start == '-') return nullptr;
    const char* const stop = start + std::strlen(start);
    float number = 0.0f;
    const auto [end, error] = std::from_chars(start, stop, number);
    if (error == std::errc()) {
        value = number;
        return end;
    }
    if (error != std::errc::result_out_of_range) return nullptr;
    // Past the float range but a number all the same: go through double and saturate, as scanf does.
    double wide = 0.0;
    const auto [wideEnd, wideError] = std::from_chars(start, stop, wide);
    if (wideError != std::errc()) return nullptr;
    constexpr double largest = std::numeric_limits<float>::max();
    value = wide > largest ? std::numeric_limits<float>::infinity()
          : wide < -largest ? -std::numeric_limits<float>::infinity()
          : float(wide);
    return wideEnd;
}

bool parseVec3(const char* text, Vec3& out)
{
    float* const components[] = {&out.x, &out.y, &out.z};
    const char* numbers = openNotation(text, 'V');
    return numbers && scanNumbers(numbers, components, 3) == 3;
}

bool parseQuat(const char* text, Quat& out)
{
    float* const components[] = {&out.x, &out.y, &out.z, &out.w};
    const char* numbers = openNotation(text, 'Q');
    return numbers && scanNumbers(numbers, components, 4) == 4;
}

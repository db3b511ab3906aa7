#pragma once
// Sixteen floats, row-major: element (row r, column c) is m[4 * r + c]. Made by quatToMatrix, whose
// columns 0, 1 and 2 are the rotated x, y and z axes.

struct Mat4 {
    float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    constexpr float& at(int row, int column) { return m[4 * row + column]; }
    constexpr float at(int row, int column) const { return m[4 * row + column]; }
};

#pragma once
// A decoded picture, rows stored bottom to top (the picture's top row is the last row), as OpenGL
// expects them; each pixel is R, G, B.
#include <cstdint>
#include <vector>

struct Image {
    int32_t rowBytes = 0;  // width x 3
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels;  // rowBytes x height bytes

    const uint8_t* row(int32_t fromBottom) const { return pixels.data() + size_t(fromBottom) * size_t(rowBytes); }
};

#pragma once
// JPEG files made on the spot with libjpeg's compressor, for decoder and texture tests.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct Rgb {
    uint8_t r, g, b;
};

struct JpegRecipe {
    int width = 16;
    int height = 16;
    enum class Colour { rgb, grey, cmyk } colour = Colour::rgb;
    bool progressive = false;
    std::string comment;     // written as a COM segment when not empty
    std::string appPayload;  // written as an APP5 segment when not empty
    // Colour of pixel (x, y), y counted from the top; grey pictures take the red value.
    std::function<Rgb(int x, int y)> paint = [](int, int) { return Rgb{128, 128, 128}; };
};

std::vector<uint8_t> makeJpeg(const JpegRecipe& recipe);

// Offset of the first scan's entropy-coded data (just past the first SOS segment), or 0.
size_t entropyDataOffset(const std::vector<uint8_t>& jpeg);

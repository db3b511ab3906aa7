#pragma once
// A float RGB picture the generators paint into; rows run from the top of the picture down.

#include <cstddef>
#include <vector>

namespace content {

struct Rgb {
    float r = 0.0f, g = 0.0f, b = 0.0f;
};

class Image {
public:
    Image(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    Rgb& at(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    const Rgb& at(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

    // Adds colour scaled by weight to one pixel; points outside are ignored.
    void add(int x, int y, Rgb colour, float weight);

private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

// A coverage map (0 to 1 per pixel), as lettering and masks produce.
class Mask {
public:
    Mask(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    float& at(int x, int y) { return values_[static_cast<std::size_t>(y) * width_ + x]; }
    float at(int x, int y) const { return values_[static_cast<std::size_t>(y) * width_ + x]; }
    // Zero outside the map, so blurs and lookups need no edge cases.
    float sample(int x, int y) const;

private:
    int width_;
    int height_;
    std::vector<float> values_;
};

// Separable gaussian blur; the map's outside counts as zero.
Mask gaussianBlur(const Mask& source, float sigma);

// Adds colour x coverage over the whole picture (the mask has the picture's size).
void addMasked(Image& image, const Mask& mask, Rgb colour);

// Box-filtered resampling to another size (each target pixel averages the source area it covers).
Image resample(const Image& source, int width, int height);

} // namespace content

#include "content/image.h"

#include <algorithm>
#include <cmath>

namespace content {

Image::Image(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height) {}

void Image::add(int x, int y, Rgb colour, float weight) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Rgb& p = at(x, y);
    p.r += colour.r * weight;
    p.g += colour.g * weight;
    p.b += colour.b * weight;
}

Mask::Mask(int width, int height)
    : width_(width), height_(height), values_(static_cast<std::size_t>(width) * height, 0.0f) {}

float Mask::sample(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0.0f;
    return at(x, y);
}

namespace {

std::vector<float> gaussianKernel(float sigma) {
    int radius = std::max(1, static_cast<int>(std::ceil(sigma * 3.0f)));
    std::vector<float> kernel(2 * radius + 1);
    float sum = 0.0f;
    for (int i = -radius; i <= radius; ++i) {
        kernel[i + radius] = std::exp(-0.5f * i * i / (sigma * sigma));
        sum += kernel[i + radius];
    }
    for (float& k : kernel) k /= sum;
    return kernel;
}

} // namespace

Mask gaussianBlur(const Mask& source, float sigma) {
    std::vector<float> kernel = gaussianKernel(sigma);
    int radius = static_cast<int>(kernel.size() / 2);
    Mask across(source.width(), source.height());
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            float sum = 0.0f;
            for (int i = -radius; i <= radius; ++i) sum += kernel[i + radius] * source.sample(x + i, y);
            across.at(x, y) = sum;
        }
    Mask result(source.width(), source.height());
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            float sum = 0.0f;
            for (int i = -radius; i <= radius; ++i) sum += kernel[i + radius] * across.sample(x, y + i);
            result.at(x, y) = sum;
        }
    return result;
}

void addMasked(Image& image, const Mask& mask, Rgb colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.add(x, y, colour, mask.sample(x, y));
}

namespace {

// Weight of source cell [i, i + 1) inside the interval [from, to).
float overlap(int i, double from, double to) {
    return static_cast<float>(std::max(0.0, std::min<double>(i + 1, to) - std::max<double>(i, from)));
}

} // namespace

Image resample(const Image& source, int width, int height) {
    Image result(width, height);
    double sx = static_cast<double>(source.width()) / width;
    double sy = static_cast<double>(source.height()) / height;
    for (int y = 0; y < height; ++y) {
        double y0 = y * sy, y1 = (y + 1) * sy;
        for (int x = 0; x < width; ++x) {
            double x0 = x * sx, x1 = (x + 1) * sx;
            Rgb sum;
            float total = 0.0f;
            for (int j = static_cast<int>(y0); j < std::min<int>(source.height(), static_cast<int>(std::ceil(y1))); ++j)
                for (int i = static_cast<int>(x0); i < std::min<int>(source.width(), static_cast<int>(std::ceil(x1))); ++i) {
                    float w = overlap(i, x0, x1) * overlap(j, y0, y1);
                    const Rgb& p = source.at(i, j);
                    sum.r += p.r * w;
                    sum.g += p.g * w;
                    sum.b += p.b * w;
                    total += w;
                }
            if (total > 0.0f) result.at(x, y) = {sum.r / total, sum.g / total, sum.b / total};
        }
    }
    return result;
}

} // namespace content

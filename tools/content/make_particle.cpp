// make_particle OUT.jpg: the dust speck, a soft round gaussian, white on black.

#include <cmath>
#include <cstdio>

#include "content/image.h"
#include "content/jpeg_writer.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_particle OUT.jpg\n");
        return 2;
    }
    constexpr int kSize = 64;
    constexpr float kSigma = 9.0f;
    content::Image image(kSize, kSize);
    float centre = (kSize - 1) * 0.5f;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            float dx = x - centre, dy = y - centre;
            float r = std::sqrt(dx * dx + dy * dy) / (kSize * 0.5f);
            // The window takes the tail to exact black before the edge, so no square shows.
            float window = r < 1.0f ? 0.5f + 0.5f * std::cos(3.14159265f * r) : 0.0f;
            float value = std::exp(-0.5f * (dx * dx + dy * dy) / (kSigma * kSigma)) * window;
            image.at(x, y) = {value, value, value};
        }
    // A high quality keeps the smooth ramp free of block edges; the file stays tiny.
    if (!content::writeJpeg(argv[1], image, 97)) {
        std::fprintf(stderr, "make_particle: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

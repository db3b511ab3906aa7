// make_loading FONT LOAD.jpg GLOW.jpg: the loading picture and its glow.
//
// The picture fills a 256 x 296 quad; it is painted at two pixels per quad unit and then
// squeezed into a 512 x 512 texture (power-of-two sides suit every mipmap builder). Its edges
// fade to black: the quad sits on a black screen and repeat-wrapped filtering mixes opposite edges.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "content/image.h"
#include "content/jpeg_writer.h"
#include "content/lettering.h"
#include "content/noise.h"

namespace {

constexpr int kWidth = 512;   // painting size: 256 x 296 quad units at two pixels each
constexpr int kHeight = 592;
constexpr int kTexture = 512;

// The planet stands below the picture; only its lit upper limb shows.
constexpr float kPlanetX = 300.0f, kPlanetY = 1270.0f, kPlanetRadius = 850.0f;
constexpr float kSunX = 360.0f;  // where the sun rises over the limb

const char* const kTitle = "Vantrelle";

float smoothstep(float edge0, float edge1, float x) {
    float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

// 1 in the middle, 0 at the border, with a soft band of `band` pixels.
float edgeFade(int x, int y, float band) {
    float d = static_cast<float>(std::min(std::min(x, kWidth - 1 - x), std::min(y, kHeight - 1 - y)));
    return smoothstep(0.0f, band, d);
}

// Signed distance from the planet's limb: negative inside the planet.
float limbDistance(float x, float y) {
    return std::hypot(x - kPlanetX, y - kPlanetY) - kPlanetRadius;
}

float sunY() { return kPlanetY - std::sqrt(kPlanetRadius * kPlanetRadius - (kSunX - kPlanetX) * (kSunX - kPlanetX)); }

void paintSky(content::Image& image) {
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            float haze = content::fractalNoise(x / 90.0f, y / 90.0f, 5, 7);
            float wisps = content::fractalNoise(x / 40.0f + 11.0f, y / 55.0f, 4, 19);
            float nebula = smoothstep(0.45f, 0.85f, haze) * (0.6f + 0.4f * wisps);
            float height = 1.0f - y / static_cast<float>(kHeight);
            image.at(x, y) = {0.010f + 0.16f * nebula * height + 0.03f * nebula,
                              0.012f + 0.05f * nebula,
                              0.030f + 0.22f * nebula * (1.0f - 0.5f * height)};
        }
}

void paintStars(content::Image& image) {
    content::Random random(20260611u);
    for (int i = 0; i < 700; ++i) {
        float x = static_cast<float>(random.fraction() * kWidth);
        float y = static_cast<float>(random.fraction() * kHeight);
        float brightness = static_cast<float>(std::pow(random.fraction(), 4.0) * 1.6 + 0.06);
        float tint = static_cast<float>(random.fraction());
        content::Rgb colour{0.85f + 0.15f * tint, 0.88f, 1.0f - 0.25f * tint};
        float sigma = 0.55f + 0.5f * std::min(1.0f, brightness);
        int reach = static_cast<int>(std::ceil(sigma * 3.0f)) + 1;
        for (int py = static_cast<int>(y) - reach; py <= static_cast<int>(y) + reach; ++py)
            for (int px = static_cast<int>(x) - reach; px <= static_cast<int>(x) + reach; ++px) {
                float dx = px + 0.5f - x, dy = py + 0.5f - y;
                image.add(px, py, colour, brightness * std::exp(-0.5f * (dx * dx + dy * dy) / (sigma * sigma)));
            }
    }
}

// The bright parts of the limb: the thin sunlit rim and the sun's glare where it rises.
content::Mask limbLight() {
    content::Mask light(kWidth, kHeight);
    float sy = sunY();
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            float d = limbDistance(x + 0.5f, y + 0.5f);
            float alongRim = std::exp(-std::abs(x - kSunX) / 260.0f);
            float rim = std::exp(-d * d / 18.0f) * (0.35f + 0.65f * alongRim);
            float dx = x - kSunX, dy = y - sy;
            float glare = 1.2f * std::exp(-(dx * dx + dy * dy) / 300.0f) +
                          0.35f * std::exp(-(dx * dx) / 9000.0f - (dy * dy) / 30.0f);
            light.at(x, y) = rim + glare;
        }
    return light;
}

void paintPlanet(content::Image& image, const content::Mask& light) {
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            float d = limbDistance(x + 0.5f, y + 0.5f);
            content::Rgb& p = image.at(x, y);
            if (d < 0.0f) {
                // Night side with a faint sunlit band under the rim and dim cloud texture.
                float clouds = content::fractalNoise(x / 50.0f, y / 14.0f, 4, 41);
                float dusk = std::exp(d / 28.0f) * std::exp(-std::abs(x - kSunX) / 300.0f);
                float cover = smoothstep(-1.5f, 0.0f, d);
                p = {p.r * cover + (0.010f + 0.05f * dusk * clouds) * (1.0f - cover),
                     p.g * cover + (0.012f + 0.10f * dusk * clouds) * (1.0f - cover),
                     p.b * cover + (0.020f + 0.16f * dusk * clouds) * (1.0f - cover)};
            } else {
                // Atmosphere scattering just above the limb.
                float air = std::exp(-d / 16.0f) * (0.25f + 0.75f * std::exp(-std::abs(x - kSunX) / 220.0f));
                p.r += 0.10f * air;
                p.g += 0.30f * air;
                p.b += 0.55f * air;
            }
        }
    content::addMasked(image, light, {0.75f, 0.90f, 1.0f});
}

content::Mask titleMask(const char* fontPath) {
    content::Mask mask(kWidth, kHeight);
    content::Lettering font;
    if (!font.open(fontPath)) return mask;
    font.setTracking(5);
    int size = 84;
    content::TextBox box;
    for (; size > 20; size -= 2) {
        font.setPixelSize(size);
        box = font.measure(kTitle);
        if (box.right - box.left <= 400) break;
    }
    int baseline = 210 + (box.top - box.bottom) / 2 + box.bottom;
    font.draw(mask, kTitle, (kWidth - (box.right - box.left)) / 2 - box.left, baseline);
    return mask;
}

void fadeEdges(content::Image& image) {
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            float f = edgeFade(x, y, 40.0f);
            content::Rgb& p = image.at(x, y);
            p = {p.r * f, p.g * f, p.b * f};
        }
}

bool writeTexture(const std::string& path, content::Image& painting) {
    fadeEdges(painting);
    return content::writeJpeg(path, content::resample(painting, kTexture, kTexture));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_loading FONT LOAD.jpg GLOW.jpg\n");
        return 2;
    }
    content::Mask title = titleMask(argv[1]);
    content::Mask light = limbLight();

    content::Image picture(kWidth, kHeight);
    paintSky(picture);
    paintStars(picture);
    paintPlanet(picture, light);
    content::addMasked(picture, content::gaussianBlur(title, 6.0f), {0.10f, 0.22f, 0.45f});
    content::addMasked(picture, title, {0.90f, 0.95f, 1.0f});

    content::Image glow(kWidth, kHeight);
    content::addMasked(glow, content::gaussianBlur(title, 12.0f), {0.45f, 0.70f, 1.0f});
    content::addMasked(glow, content::gaussianBlur(title, 3.5f), {0.55f, 0.70f, 0.85f});
    content::addMasked(glow, content::gaussianBlur(light, 10.0f), {0.45f, 0.65f, 0.90f});

    if (!writeTexture(argv[2], picture) || !writeTexture(argv[3], glow)) {
        std::fprintf(stderr, "make_loading: cannot write the pictures\n");
        return 1;
    }
    return 0;
}

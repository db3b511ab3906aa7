// make_glyphs FONT OUT.jpg: the clock font, a 4 x 4 grid of cells read row by row from the
// top-left: digits 0 to 9, colon, then the before-noon and after-noon markers.
//
// Each cell is drawn as a 64 x 64 quad but the next one starts 44.8 units on, so the ink keeps
// to the middle 70 % of the cell; a faint halo adds glow under additive blending.

#include <algorithm>
#include <cstdio>
#include <string>

#include "content/image.h"
#include "content/jpeg_writer.h"
#include "content/lettering.h"

namespace {

constexpr int kCell = 128;
constexpr int kImage = kCell * 4;
constexpr int kDigitPixels = 108;   // font size giving digits about 80 pixels tall
constexpr int kMarkerMaxWidth = 92; // the markers stand last, so only their left side is overlapped

const char* const kCellTexts[13] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ":", "AM", "PM"};

// The largest size up to kDigitPixels at which text fits the width.
int fittingSize(content::Lettering& font, const std::string& text, int maxWidth) {
    for (int size = kDigitPixels; size > 8; size -= 2) {
        font.setPixelSize(size);
        content::TextBox box = font.measure(text);
        if (box.right - box.left <= maxWidth) return size;
    }
    return 8;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_glyphs FONT OUT.jpg\n");
        return 2;
    }
    content::Lettering font;
    if (!font.open(argv[1]) || !font.setPixelSize(kDigitPixels)) {
        std::fprintf(stderr, "make_glyphs: cannot open font %s\n", argv[1]);
        return 1;
    }
    // One baseline for every cell, centring the digits' height.
    content::TextBox digits = font.measure("0123456789");
    int baselineInCell = (kCell - (digits.top - digits.bottom)) / 2 + digits.top;

    // Both markers at one size, the one at which the wider fits.
    int markerSize = std::min(fittingSize(font, kCellTexts[11], kMarkerMaxWidth),
                              fittingSize(font, kCellTexts[12], kMarkerMaxWidth));

    content::Mask ink(kImage, kImage);
    for (int i = 0; i < 13; ++i) {
        std::string text = kCellTexts[i];
        bool marker = i >= 11;
        font.setPixelSize(marker ? markerSize : kDigitPixels);
        content::TextBox box = font.measure(text);
        int cellLeft = (i % 4) * kCell, cellTop = (i / 4) * kCell;
        int penX = cellLeft + (kCell - (box.right - box.left)) / 2 - box.left;
        font.draw(ink, text, penX, cellTop + baselineInCell);
    }

    content::Image image(kImage, kImage);
    content::addMasked(image, content::gaussianBlur(ink, 5.0f), {0.18f, 0.30f, 0.55f});
    content::addMasked(image, ink, {0.92f, 0.96f, 1.0f});
    if (!content::writeJpeg(argv[2], image)) {
        std::fprintf(stderr, "make_glyphs: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}

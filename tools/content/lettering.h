#pragma once
// Anti-aliased lettering from a TrueType font through FreeType.

#include <string>

#include "content/image.h"

namespace content {

struct TextBox {
    int left = 0;    // ink extent from the pen's start, pixels
    int right = 0;
    int top = 0;     // ink above the baseline (positive up)
    int bottom = 0;  // ink below the baseline (negative down)
};

class Lettering {
public:
    Lettering() = default;
    ~Lettering();
    Lettering(const Lettering&) = delete;
    Lettering& operator=(const Lettering&) = delete;

    bool open(const std::string& fontPath);
    bool setPixelSize(int pixels);
    // Extra space after every character, pixels.
    void setTracking(int pixels) { tracking_ = pixels; }

    // The ink box of text set from a pen at (0, 0), with kerning.
    TextBox measure(const std::string& text);
    // Adds the text's coverage into mask with the pen starting at (x, baselineY).
    void draw(Mask& mask, const std::string& text, int x, int baselineY);

private:
    template <typename Visit> void layout(const std::string& text, Visit visit);

    void* library_ = nullptr;
    void* face_ = nullptr;
    int tracking_ = 0;
};

} // namespace content

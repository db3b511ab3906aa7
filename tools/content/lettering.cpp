#include "content/lettering.h"

#include <algorithm>
#include <climits>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace content {

namespace {

FT_Library asLibrary(void* p) { return static_cast<FT_Library>(p); }
FT_Face asFace(void* p) { return static_cast<FT_Face>(p); }

} // namespace

Lettering::~Lettering() {
    if (face_) FT_Done_Face(asFace(face_));
    if (library_) FT_Done_FreeType(asLibrary(library_));
}

bool Lettering::open(const std::string& fontPath) {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) return false;
    library_ = library;
    FT_Face face = nullptr;
    if (FT_New_Face(library, fontPath.c_str(), 0, &face) != 0) return false;
    face_ = face;
    return true;
}

bool Lettering::setPixelSize(int pixels) {
    return face_ && FT_Set_Pixel_Sizes(asFace(face_), 0, static_cast<FT_UInt>(pixels)) == 0;
}

// Renders each character in turn and calls visit(bitmap, left, top) with the glyph's
// placement relative to the pen's start on the baseline.
template <typename Visit> void Lettering::layout(const std::string& text, Visit visit) {
    FT_Face face = asFace(face_);
    if (!face) return;
    long penX = 0;  // 26.6 fixed point
    FT_UInt previous = 0;
    for (unsigned char c : text) {
        FT_UInt index = FT_Get_Char_Index(face, c);
        if (previous && index && FT_HAS_KERNING(face)) {
            FT_Vector kern{};
            FT_Get_Kerning(face, previous, index, FT_KERNING_DEFAULT, &kern);
            penX += kern.x;
        }
        if (FT_Load_Glyph(face, index, FT_LOAD_RENDER) != 0) continue;
        FT_GlyphSlot slot = face->glyph;
        visit(slot->bitmap, static_cast<int>((penX >> 6) + slot->bitmap_left), slot->bitmap_top);
        penX += slot->advance.x + tracking_ * 64;
        previous = index;
    }
}

TextBox Lettering::measure(const std::string& text) {
    TextBox box{INT_MAX, INT_MIN, INT_MIN, INT_MAX};
    layout(text, [&](const FT_Bitmap& bitmap, int left, int top) {
        if (bitmap.width == 0 || bitmap.rows == 0) return;
        box.left = std::min(box.left, left);
        box.right = std::max(box.right, left + static_cast<int>(bitmap.width));
        box.top = std::max(box.top, top);
        box.bottom = std::min(box.bottom, top - static_cast<int>(bitmap.rows));
    });
    if (box.left > box.right) return TextBox{};
    return box;
}

void Lettering::draw(Mask& mask, const std::string& text, int x, int baselineY) {
    layout(text, [&](const FT_Bitmap& bitmap, int left, int top) {
        for (unsigned row = 0; row < bitmap.rows; ++row)
            for (unsigned col = 0; col < bitmap.width; ++col) {
                int px = x + left + static_cast<int>(col);
                int py = baselineY - top + static_cast<int>(row);
                if (px < 0 || py < 0 || px >= mask.width() || py >= mask.height()) continue;
                float coverage = bitmap.buffer[row * bitmap.pitch + col] / 255.0f;
                mask.at(px, py) = std::min(1.0f, mask.at(px, py) + coverage);
            }
    });
}

} // namespace content

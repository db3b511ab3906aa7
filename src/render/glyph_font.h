#pragma once
// A texture font of thirteen glyphs from "c.jpg", a 4 x 4 grid read row by row from the top left:
// "0" to "9", ":" and the day-half markers ";" (before noon) and "<" (after noon).
#include <GL/gl.h>

#include "resources/texture.h"

constexpr int glyphCount = 13;
constexpr float glyphSize = 64;
constexpr float glyphAdvance = 64 * 0.7f;  // glyphs overlap by 19.2 units

extern Texture glyphTexture;
extern GLuint glyphListBase;  // glyph i is list glyphListBase + i

// Loads "c.jpg" and compiles one list per glyph: its quad, then the advance.
void buildGlyphFont();

// Draws text from (x, y) in the current 2D space; the caller sets texture, colour and blending.
// Characters outside the glyph table are skipped.
void drawGlyphText(int x, int y, const char* text);

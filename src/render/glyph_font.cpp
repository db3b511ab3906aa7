#include "render/glyph_font.h"

#include <string>

Texture glyphTexture = 0;
GLuint glyphListBase = 0;

namespace {

constexpr float cell = 1.0f / 4;

void compileGlyph(int i)
{
    float s0 = float(i % 4) / 4;
    float t0 = float(i / 4) / 4;
    glNewList(glyphListBase + GLuint(i), GL_COMPILE);
    glBegin(GL_QUADS);
    glTexCoord2f(s0, 1 - t0 - cell);
    glVertex2f(0, 0);
    glTexCoord2f(s0 + cell, 1 - t0 - cell);
    glVertex2f(glyphSize, 0);
    glTexCoord2f(s0 + cell, 1 - t0);
    glVertex2f(glyphSize, glyphSize);
    glTexCoord2f(s0, 1 - t0);
    glVertex2f(0, glyphSize);
    glEnd();
    glTranslatef(glyphAdvance, 0, 0);
    glEndList();
}

}  // namespace

void buildGlyphFont()
{
    glyphTexture = loadTexture("c.jpg");
    // All thirteen names are reserved, so no later reservation can hand one of them out.
    glyphListBase = glGenLists(glyphCount);
    glBindTexture(GL_TEXTURE_2D, glyphTexture);
    if (glyphListBase == 0)
        return;
    for (int i = 0; i < glyphCount; ++i)
        compileGlyph(i);
}

void drawGlyphText(int x, int y, const char* text)
{
    glTranslatef(float(x), float(y), 0);
    if (glyphListBase == 0)
        return;
    // Only glyph characters reach the lists: any other byte would call an unrelated list.
    std::string glyphs;
    for (const char* c = text; *c; ++c)
        if (*c >= '0' && *c < '0' + glyphCount)
            glyphs += *c;
    glListBase(glyphListBase - '0');
    glCallLists(GLsizei(glyphs.size()), GL_BYTE, glyphs.data());
}

#include "render/loading_screen.h"

#include <GL/gl.h>

#include "app/settings.h"
#include "core/math_ops.h"
#include "render/overlay_2d.h"

Texture loadingImage = 0;
Texture loadingGlowImage = 0;
float finaleTime = 0;

namespace {

// A quad of half-size (w, h) around the middle of the 800 x 600 space.
void centredQuad(float w, float h)
{
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(400 - w, 300 - h);
    glTexCoord2f(0, 1);
    glVertex2f(400 - w, 300 + h);
    glTexCoord2f(1, 1);
    glVertex2f(400 + w, 300 + h);
    glTexCoord2f(1, 0);
    glVertex2f(400 + w, 300 - h);
    glEnd();
}

void whiteVeil(float alpha)
{
    begin2DPixels();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1, 1, 1, alpha);
    glDisable(GL_TEXTURE_2D);
    float width = float(settings.Width), height = float(settings.Height);
    glBegin(GL_QUADS);
    glVertex2f(0, 0);
    glVertex2f(width, 0);
    glVertex2f(width, height);
    glVertex2f(0, height);
    glEnd();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_TEXTURE_2D);
    end2DPixels();
}

}  // namespace

void loadLoadingImages()
{
    loadingImage = loadTexture("load.jpg");
    loadingGlowImage = loadTexture("loadg.jpg");
}

void drawLoadingImage()
{
    begin2DFull();
    glBindTexture(GL_TEXTURE_2D, loadingImage);
    glDisable(GL_BLEND);
    glColor3f(1, 1, 1);
    centredQuad(128, 148);
    glEnable(GL_BLEND);
    end2DFull();
}

void drawLoadingFinale(float seconds)
{
    finaleTime += seconds;
    float a = finaleTime / finaleSeconds;

    begin2DFull();
    glBindTexture(GL_TEXTURE_2D, loadingGlowImage);
    glColor4f(1, 1, 1, 1 - a);
    centredQuad(easeCurve(a, 0, 0.2f) * 60 + 128, easeCurve(a, 0, 0.2f) * 20 + 148);
    glBindTexture(GL_TEXTURE_2D, loadingImage);
    glColor4f(1 - a, 1 - a, 1 - a, 1 - a);
    centredQuad(easeCurve(a, 0.2f, 0.2f) * 40 + 128, easeCurve(a, 0, 0.2f) * 5 + 148);
    end2DFull();

    whiteVeil(a);
}

#include "resources/texture.h"

#include <GL/glu.h>

#include "core/log.h"
#include "resources/jpeg_decoder.h"

namespace {

bool loadMipmapped(Texture& field, const char* logText, const char* name)
{
    logWrite(logText);
    logWrite(name);
    logWrite("> ...");
    Image image;
    if (!decodeJpeg(name, image)) {
        logWrite("failed!\n");
        return false;
    }
    glGenTextures(1, &field);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glBindTexture(GL_TEXTURE_2D, field);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, image.width, image.height, GL_RGB, GL_UNSIGNED_BYTE, image.pixels.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    logDone();
    return true;
}

}  // namespace

bool loadTexture(Texture& field, const char* name)
{
    return loadMipmapped(field, "Load texture <", name);
}

bool loadDetailTexture(Texture& field, const char* name)
{
    return loadMipmapped(field, "Load detail texture <", name);
}

bool loadLensTexture(Texture& slot, const char* name)
{
    Image image;
    if (!decodeJpeg(name, image))
        return false;
    glGenTextures(1, &slot);
    glBindTexture(GL_TEXTURE_2D, slot);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, image.width, image.height, 0, GL_RGB, GL_UNSIGNED_BYTE, image.pixels.data());
    return true;
}

Texture loadTexture(const char* name)
{
    Texture texture = 0;
    loadTexture(texture, name);
    return texture;
}

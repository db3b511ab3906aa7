#pragma once
// JPEG entries of the archive uploaded as OpenGL textures. There is no cache: every load decodes
// again and makes a new texture name; textures live until the context goes.
#include <GL/gl.h>

using Texture = GLuint;  // an OpenGL texture name; 0 is "none"

// "Load texture <name> ..." then "done" or "failed!". A mipmapped RGB texture, left bound. On
// failure field keeps its value and no texture name is made.
bool loadTexture(Texture& field, const char* name);
// The same with "Load detail texture <name> ...".
bool loadDetailTexture(Texture& field, const char* name);
// Level 0 only, no mipmaps, nothing logged; the picture's sides should be powers of two.
bool loadLensTexture(Texture& slot, const char* name);

// Shorthand where no holder exists yet: the new name, or 0 when the load failed.
Texture loadTexture(const char* name);

// The texture fields an object keeps.
struct TextureHolder {
    Texture texture = 0;
    Texture detailTexture = 0;
};

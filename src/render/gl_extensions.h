#pragma once
// The optional OpenGL entry points looked up by name once the context exists.
#include <GL/gl.h>
#include <GL/glext.h>

struct GLExtensions {
    PFNGLACTIVETEXTUREARBPROC activeTexture = nullptr;              // glActiveTextureARB
    PFNGLCLIENTACTIVETEXTUREARBPROC clientActiveTexture = nullptr;  // glClientActiveTextureARB
    PFNGLMULTITEXCOORD2FARBPROC multiTexCoord2f = nullptr;          // glMultiTexCoord2fARB
};

extern GLExtensions glExtensions;
extern bool multitextureSupported;

using ProcLookup = void* (*)(const char* name);
// Clears and resolves the three entry points; multitexture needs glActiveTextureARB and glMultiTexCoord2fARB.
bool resolveMultitexture(ProcLookup lookup);

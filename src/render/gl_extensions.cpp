#include "render/gl_extensions.h"

GLExtensions glExtensions;
bool multitextureSupported = false;

bool resolveMultitexture(ProcLookup lookup)
{
    glExtensions = GLExtensions{};
    glExtensions.activeTexture = reinterpret_cast<PFNGLACTIVETEXTUREARBPROC>(lookup("glActiveTextureARB"));
    glExtensions.clientActiveTexture =
        reinterpret_cast<PFNGLCLIENTACTIVETEXTUREARBPROC>(lookup("glClientActiveTextureARB"));
    glExtensions.multiTexCoord2f = reinterpret_cast<PFNGLMULTITEXCOORD2FARBPROC>(lookup("glMultiTexCoord2fARB"));
    multitextureSupported = glExtensions.activeTexture && glExtensions.multiTexCoord2f;
    return multitextureSupported;
}

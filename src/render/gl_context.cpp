#include "render/gl_context.h"

#include "app/display_geometry.h"
#include "app/settings.h"
#include "core/log.h"
#include "render/display_hooks.h"
#include "render/gamma_ramp.h"
#include "render/gl_extensions.h"

#include <GL/gl.h>

float depthScale = 1.0f;

namespace {

const char* glText(GLenum name)
{
    const auto* text = reinterpret_cast<const char*>(glGetString(name));
    return text ? text : "";
}

void* noEntryPoint(const char*) { return nullptr; }

void logDriver()
{
    logWrite("Vendor: ").write(glText(GL_VENDOR)).write("\n");
    logWrite("Videocard: ").write(glText(GL_RENDERER)).write("\n");
    logWrite("OpenGL version ").write(glText(GL_VERSION)).write("\n");
    logWrite("\n").write("Supported extension: ").write(glText(GL_EXTENSIONS)).write("\n\n");
}

void enableCapabilities()
{
    const GLenum capabilities[] = {GL_ALPHA_TEST, GL_DEPTH_TEST, GL_LIGHTING, GL_LIGHT0,
                                   GL_LIGHT1,     GL_BLEND,      GL_TEXTURE_2D, GL_NORMALIZE};
    for (GLenum capability : capabilities)
        glEnable(capability);
}

void setProjection()
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const Frustum f = sceneFrustum();
    glFrustum(f.left, f.right, f.bottom, f.top, f.nearPlane, f.farPlane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void setLights()
{
    glDisable(GL_LIGHT0);
    const GLfloat modelAmbient[] = {0.1f, 0.1f, 0.1f, 0.1f};
    glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL, GL_SEPARATE_SPECULAR_COLOR);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, modelAmbient);

    const GLfloat light1Position[] = {0.0f, 0.0f, 9100.0f, 1.0f};
    const GLfloat light1Diffuse[] = {1.0f, 1.0f, 1.0f, 1.0f};
    const GLfloat light1Specular[] = {0.0f, 0.0f, 0.0f, 1.0f};
    glLightfv(GL_LIGHT1, GL_POSITION, light1Position);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, light1Diffuse);
    glLightfv(GL_LIGHT1, GL_SPECULAR, light1Specular);

    const GLfloat light0Diffuse[] = {0.3f, 0.3f, 0.3f, 1.0f};
    glLightfv(GL_LIGHT0, GL_DIFFUSE, light0Diffuse);
    glLightf(GL_LIGHT0, GL_SPOT_EXPONENT, 3.0f);
    glLightf(GL_LIGHT0, GL_SPOT_CUTOFF, 60.0f);

    glLightf(GL_LIGHT2, GL_LINEAR_ATTENUATION, 0.006f);
}

void initMultitexture()
{
    logWrite("Init multitexture extension ...");
    const ProcLookup lookup = displayHooks().procAddress;
    if (resolveMultitexture(lookup ? lookup : noEntryPoint))
        logDone();
    else
        logWrite(" multitexture unsupported!/n");
}

void initSwapInterval()
{
    logWrite("Set swap interval...");
    if (const auto setInterval = displayHooks().setSwapInterval)
        setInterval(settings.VSync ? 1 : 0);
    logDone();
}

void initGamma()
{
    logWrite("Set gamma ...");
    glDisable(GL_LIGHT2);
    const float exponent = gammaExponent(settings.Gamma);
    if (!settings.DefGamma) {
        saveGammaRamp();
        applyGammaRamp(exponent, exponent, exponent);
    }
    logDone();
}

}  // namespace

float depthScaleFor(uint32_t depth) { return depth == 32 ? 1.0f : 4.0f; }

Frustum sceneFrustum()
{
    const float s = depthScaleFor(settings.Depth);
    const float halfWidth = frustumHalfWidth * s;
    const float halfHeight = frustumHalfHeight * s;
    return Frustum{-halfWidth, halfWidth, -halfHeight, halfHeight, 2.0f * s, 100000.0};
}

bool initGL()
{
    depthScale = depthScaleFor(settings.Depth);
    logDriver();
    enableCapabilities();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glViewport(0, GLint(letterboxTop), GLsizei(settings.Width), sceneViewportHeight);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    setProjection();
    setLights();
    initMultitexture();
    initSwapInterval();
    glLineWidth(1.0f);
    initGamma();
    return true;
}

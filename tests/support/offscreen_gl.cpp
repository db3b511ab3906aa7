#include "support/offscreen_gl.h"

OffscreenGL::OffscreenGL(int width, int height)
    : width_(width), height_(height), buffer_(size_t(width) * height * 4)
{
    const int attributes[] = {OSMESA_FORMAT, OSMESA_RGBA, OSMESA_DEPTH_BITS, 24, OSMESA_STENCIL_BITS, 8,
                              OSMESA_PROFILE, OSMESA_COMPAT_PROFILE, 0};
    context_ = OSMesaCreateContextAttribs(attributes, nullptr);
    if (context_)
        ok_ = OSMesaMakeCurrent(context_, buffer_.data(), GL_UNSIGNED_BYTE, width, height);
}

OffscreenGL::~OffscreenGL()
{
    if (context_)
        OSMesaDestroyContext(context_);
}

void* OffscreenGL::procAddress(const char* name)
{
    return reinterpret_cast<void*>(OSMesaGetProcAddress(name));
}

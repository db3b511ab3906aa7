// Times each texture's extraction, decode and mipmap build, each mesh's compile, and the loading
// phase's own calls, on an offscreen OpenGL context. With no archive, synthetic pictures stand in.
#include <GL/glu.h>
#include <GL/osmesa.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "render/glyph_font.h"
#include "render/loading_screen.h"
#include "resources/jpeg_decoder.h"
#include "resources/mesh_geometry.h"
#include "resources/resource_file.h"
#include "resources/texture.h"
#include "support/jpeg_maker.h"

namespace {

constexpr int repeats = 5;

double millisecondsOf(const std::function<void()>& work)
{
    auto start = std::chrono::steady_clock::now();
    work();
    glFinish();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The best of several runs: the figure least disturbed by the rest of the machine.
double bestOf(const std::function<void()>& work)
{
    double best = 1e300;
    for (int i = 0; i < repeats; ++i)
        best = std::min(best, millisecondsOf(work));
    return best;
}

void timeTexture(const char* label, const uint8_t* bytes, size_t size)
{
    Image image;
    double decode = bestOf([&] { decodeJpegBytes(bytes, size, image); });
    if (image.pixels.empty()) {
        std::printf("%-24s not decodable\n", label);
        return;
    }
    double mipmap = bestOf([&] {
        GLuint name = 0;
        glGenTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, name);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        gluBuild2DMipmaps(GL_TEXTURE_2D, 3, image.width, image.height, GL_RGB, GL_UNSIGNED_BYTE, image.pixels.data());
        glDeleteTextures(1, &name);
    });
    std::printf("%-24s %5d x %-5d %8zu bytes  decode %8.2f ms  mipmaps %8.2f ms\n", label, image.width,
                image.height, size, decode, mipmap);
}

bool timeArchiveTexture(const char* name)
{
    ResourceFile file;
    double extract = bestOf([&] { file.open(name); });
    if (file.size() == 0) {
        std::printf("%-24s missing\n", name);
        return false;
    }
    std::printf("%-24s extract %.2f ms\n", name, extract);
    timeTexture(name, file.data(), file.size());
    return true;
}

void timeMesh(const char* name)
{
    ResourceFile file;
    file.open(name);
    MeshData mesh;
    double parse = bestOf([&] { mesh = parseMesh(file.data(), file.size()); });
    double compile = bestOf([&] {
        GLuint list = glGenLists(1);
        compileMesh(list, mesh);
        glDeleteLists(list, 1);
    });
    std::printf("%-24s %8zu triangles  parse %8.2f ms  compile %8.2f ms\n", name, mesh.triangles.size(), parse,
                compile);
}

std::vector<uint8_t> syntheticJpeg(int side)
{
    JpegRecipe recipe;
    recipe.width = recipe.height = side;
    recipe.paint = [](int x, int y) { return Rgb{uint8_t(x ^ y), uint8_t(x * y), uint8_t(y)}; };
    return makeJpeg(recipe);
}

void timeLoadingPhase()
{
    double total = millisecondsOf([] {
        buildGlyphFont();
        loadLoadingImages();
        loadTexture("textures\\particle.jpg");
        loadGeometry(envGeometry, "meshes\\env.dat");
        loadGeometry(sphereGeometry, "meshes\\sphere.dat");
    });
    std::printf("loading phase (font, loading images, particle, both spheres): %.2f ms\n", total);
}

}  // namespace

int main(int argc, char** argv)
{
    const char* archive = argc > 1 ? argv[1] : VANTRELLE_DEFAULT_ARCHIVE;
    std::vector<unsigned char> pixels(800 * 600 * 4);
    const int attributes[] = {OSMESA_FORMAT, OSMESA_RGBA, OSMESA_DEPTH_BITS, 24, OSMESA_PROFILE,
                              OSMESA_COMPAT_PROFILE, 0};
    OSMesaContext context = OSMesaCreateContextAttribs(attributes, nullptr);
    if (!context || !OSMesaMakeCurrent(context, pixels.data(), GL_UNSIGNED_BYTE, 800, 600)) {
        std::fprintf(stderr, "no OSMesa context\n");
        return 1;
    }
    ResourceFile::setArchivePath(archive);
    std::printf("archive %s; best of %d runs\n", archive, repeats);
    bool any = false;
    for (const char* name : {"c.jpg", "load.jpg", "loadg.jpg", "textures\\particle.jpg"})
        any = timeArchiveTexture(name) || any;
    if (any) {
        for (const char* name : {"meshes\\sphere.dat", "meshes\\env.dat"})
            timeMesh(name);
        timeLoadingPhase();
    } else {
        std::printf("no pictures in the archive: synthetic pictures instead\n");
        for (int side : {256, 512, 1024, 2048}) {
            std::vector<uint8_t> bytes = syntheticJpeg(side);
            char label[32];
            std::snprintf(label, sizeof label, "synthetic %d", side);
            timeTexture(label, bytes.data(), bytes.size());
        }
    }
    OSMesaDestroyContext(context);
    return 0;
}

#include "resources/mesh_geometry.h"

#include <algorithm>
#include <cstring>

#include "core/log.h"
#include "render/gl_extensions.h"
#include "resources/resource_file.h"

MeshGeometry envGeometry;
MeshGeometry sphereGeometry;
MeshGeometry currentGeometry;

namespace {

// Little-endian 32-bit fields at byte offsets; the callers keep every offset inside the data.
class FieldReader {
public:
    FieldReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    uint32_t word(uint64_t offset) const
    {
        if (offset > size_ || size_ - offset < 4)
            return 0;
        const uint8_t* p = data_ + offset;
        return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
    }
    float real(uint64_t offset) const
    {
        uint32_t bits = word(offset);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

private:
    const uint8_t* data_;
    size_t size_;
};

constexpr uint64_t headerBytes = 12;
constexpr uint64_t vertexBytes = 12;
constexpr uint64_t normalBytes = 36;  // nine floats per triangle
constexpr uint64_t texCoordBytes = 8;

struct Sections {
    uint64_t vertices, vertexIndices, textureIndices, texCoords, normals;
};

Sections sectionsFor(uint64_t v, uint64_t f, uint64_t t)
{
    Sections s;
    s.vertices = headerBytes;
    s.vertexIndices = s.vertices + vertexBytes * v;
    s.textureIndices = s.vertexIndices + 12 * f;
    s.texCoords = s.textureIndices + 12 * f;
    s.normals = s.texCoords + texCoordBytes * t;  // 64 bits: no count can overflow these
    return s;
}

bool inRange(const MeshTriangle& triangle, size_t vertexCount, size_t texCoordCount)
{
    for (int k = 0; k < 3; ++k)
        if (triangle.vertex[k] >= vertexCount || triangle.texture[k] >= texCoordCount)
            return false;
    return true;
}

MeshTriangle readTriangle(const FieldReader& in, const Sections& s, uint64_t i)
{
    MeshTriangle triangle;
    for (int k = 0; k < 3; ++k) {
        triangle.vertex[k] = in.word(s.vertexIndices + 12 * i + 4 * k);
        triangle.texture[k] = in.word(s.textureIndices + 12 * i + 4 * k);
        for (int axis = 0; axis < 3; ++axis)
            triangle.normal[k][axis] = in.real(s.normals + 36 * i + 12 * k + 4 * axis);
    }
    return triangle;
}

void emitCorner(const MeshData& mesh, const MeshTriangle& triangle, int k)
{
    const auto& n = triangle.normal[k];
    const auto& uv = mesh.texCoords[triangle.texture[k]];
    const auto& p = mesh.vertices[triangle.vertex[k]];
    glNormal3f(n[0], n[1], n[2]);
    if (multitextureSupported && glExtensions.multiTexCoord2f) {
        glExtensions.multiTexCoord2f(GL_TEXTURE0_ARB, uv[0], uv[1]);
        glExtensions.multiTexCoord2f(GL_TEXTURE1_ARB, uv[0], uv[1]);
    } else {
        glTexCoord2f(uv[0], uv[1]);
    }
    glVertex3f(p[0], p[1], p[2]);
}

}  // namespace

// How many items of itemBytes each, starting at offset, lie wholly inside size bytes; at most count.
uint64_t itemsInside(uint64_t count, uint64_t offset, uint64_t itemBytes, uint64_t size)
{
    return offset >= size ? 0 : std::min(count, (size - offset) / itemBytes);
}

MeshData parseMesh(const uint8_t* data, size_t size)
{
    FieldReader in(data, size);
    uint64_t v = in.word(0), f = in.word(4), t = in.word(8);
    Sections sections = sectionsFor(v, f, t);
    // Only items whose bytes are all in the file are kept, whatever the counts claim: a file cut
    // short loses its incomplete part, and nothing is allocated beyond what the bytes describe.
    // The normals come last, so a triangle inside the file has its index triples inside too.
    v = itemsInside(v, sections.vertices, vertexBytes, size);
    t = itemsInside(t, sections.texCoords, texCoordBytes, size);
    f = itemsInside(f, sections.normals, normalBytes, size);

    MeshData mesh;
    mesh.vertices.resize(size_t(v));
    for (uint64_t i = 0; i < v; ++i)
        for (int axis = 0; axis < 3; ++axis)
            mesh.vertices[i][axis] = in.real(sections.vertices + vertexBytes * i + 4 * axis);
    mesh.texCoords.resize(size_t(t));
    for (uint64_t i = 0; i < t; ++i)
        for (int axis = 0; axis < 2; ++axis)
            mesh.texCoords[i][axis] = in.real(sections.texCoords + texCoordBytes * i + 4 * axis);
    mesh.triangles.reserve(size_t(f));
    for (uint64_t i = 0; i < f; ++i) {
        MeshTriangle triangle = readTriangle(in, sections, i);
        if (inRange(triangle, mesh.vertices.size(), mesh.texCoords.size()))
            mesh.triangles.push_back(triangle);
    }
    return mesh;
}

void compileMesh(GLuint list, const MeshData& mesh)
{
    glPushMatrix();
    glNewList(list, GL_COMPILE);
    glBegin(GL_TRIANGLES);
    for (const MeshTriangle& triangle : mesh.triangles)
        for (int k = 0; k < 3; ++k)
            emitCorner(mesh, triangle, k);
    glEnd();
    glEndList();
    glPopMatrix();
}

bool loadGeometry(MeshGeometry& holder, const char* fileName)
{
    logWrite("Load mesh <");
    logWrite(fileName);
    logWrite("> ...");
    ResourceFile file;
    file.open(fileName);
    GLuint list = glGenLists(1);
    if (list == 0) {
        file.close();
        return false;
    }
    MeshData mesh = parseMesh(file.data(), file.size());
    file.close();
    compileMesh(list, mesh);
    glFinish();
    holder.displayList = list;
    logDone();
    return true;
}

#pragma once
// Binary mesh files compiled into OpenGL display lists.
//
// File layout (little-endian, 32-bit fields): V, F, T; V vertices (x, y, z); F vertex-index
// triples; F texture-index triples; T texture coordinates (u, v); F x 9 corner normals.
#include <GL/gl.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// A slot holding the display list of one loaded file; 0 draws nothing.
struct MeshGeometry {
    GLuint displayList = 0;
};

// The program-wide slots the object-file reader loads into.
extern MeshGeometry envGeometry;      // "meshes\env.dat"
extern MeshGeometry sphereGeometry;   // "meshes\sphere.dat"
extern MeshGeometry currentGeometry;  // the last "geometry" line read

struct MeshTriangle {
    std::array<uint32_t, 3> vertex;   // indices into MeshData::vertices
    std::array<uint32_t, 3> texture;  // indices into MeshData::texCoords
    std::array<std::array<float, 3>, 3> normal;  // per corner
};

struct MeshData {
    std::vector<std::array<float, 3>> vertices;
    std::vector<std::array<float, 2>> texCoords;
    std::vector<MeshTriangle> triangles;  // only those whose indices are all in range
};

// Reads a mesh file's bytes. Only vertices, coordinates and triangles that lie wholly inside the
// data are kept, whatever the counts claim; triangles with indices out of range are dropped.
MeshData parseMesh(const uint8_t* data, size_t size);

// Compiles the triangles into display list `list` (texture coordinates to both units when
// multitexture is supported).
void compileMesh(GLuint list, const MeshData& mesh);

// "Load mesh <fileName> ..." and "done". Stores the new list in holder; a missing file gives an
// empty list. Returns false only when no list name was available (holder is then unchanged).
bool loadGeometry(MeshGeometry& holder, const char* fileName);

#pragma once
// Unit spheres in the program's mesh file format: counts V, F, T; vertices; vertex index
// triples; texture index triples; texture coordinates; nine normal floats per triangle.
// Little-endian throughout.

#include <cstdint>
#include <vector>

namespace content {

struct MeshData {
    std::vector<float> vertices;        // x, y, z per vertex
    std::vector<uint32_t> faces;        // a, b, c per triangle
    std::vector<uint32_t> faceTexture;  // ta, tb, tc per triangle
    std::vector<float> texCoords;       // u, v per texture coordinate
    std::vector<float> normals;         // nine per triangle: corners a, b, c
};

enum class Facing { Outward, Inward };

// A unit sphere about the y axis: u runs once around, v from the south pole (0) to the north (1).
// Outward: wound counter-clockwise seen from outside, normals out, pictures read unmirrored from
// outside. Inward (for sky domes): the same seen from inside.
MeshData makeSphere(int slices, int stacks, Facing facing);

std::vector<unsigned char> serializeMesh(const MeshData& mesh);

} // namespace content

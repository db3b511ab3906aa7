#pragma once
// Mesh files written byte by byte for loader tests.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

struct MeshRecipe {
    struct Triangle {
        std::array<uint32_t, 3> vertex;
        std::array<uint32_t, 3> texture;
        std::array<std::array<float, 3>, 3> normal;
    };
    std::vector<std::array<float, 3>> vertices;
    std::vector<Triangle> triangles;
    std::vector<std::array<float, 2>> texCoords;
    // Counts written in the header instead of the true ones.
    std::optional<uint32_t> claimedVertices, claimedTriangles, claimedTexCoords;
};

std::vector<uint8_t> makeMeshFile(const MeshRecipe& recipe);

// The 132-byte file: V = 3, F = 1, T = 3; one triangle (0,0,0), (1,0,0), (0,1,0), coordinates
// (0,0), (1,0), (0,1), every normal (0,0,1).
MeshRecipe unitTriangleRecipe();

#include "support/mesh_maker.h"

#include <cstring>

namespace {

void putWord(std::vector<uint8_t>& out, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(uint8_t(value >> shift));
}

void putFloat(std::vector<uint8_t>& out, float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    putWord(out, bits);
}

}  // namespace

std::vector<uint8_t> makeMeshFile(const MeshRecipe& recipe)
{
    std::vector<uint8_t> out;
    putWord(out, recipe.claimedVertices.value_or(uint32_t(recipe.vertices.size())));
    putWord(out, recipe.claimedTriangles.value_or(uint32_t(recipe.triangles.size())));
    putWord(out, recipe.claimedTexCoords.value_or(uint32_t(recipe.texCoords.size())));
    for (const auto& v : recipe.vertices)
        for (float f : v)
            putFloat(out, f);
    for (const auto& t : recipe.triangles)
        for (uint32_t i : t.vertex)
            putWord(out, i);
    for (const auto& t : recipe.triangles)
        for (uint32_t i : t.texture)
            putWord(out, i);
    for (const auto& uv : recipe.texCoords)
        for (float f : uv)
            putFloat(out, f);
    for (const auto& t : recipe.triangles)
        for (const auto& n : t.normal)
            for (float f : n)
                putFloat(out, f);
    return out;
}

MeshRecipe unitTriangleRecipe()
{
    MeshRecipe recipe;
    recipe.vertices = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    recipe.texCoords = {{0, 0}, {1, 0}, {0, 1}};
    recipe.triangles = {{{0, 1, 2}, {0, 1, 2}, {{{0, 0, 1}, {0, 0, 1}, {0, 0, 1}}}}};
    return recipe;
}

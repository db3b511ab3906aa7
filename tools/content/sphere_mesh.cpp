#include "content/sphere_mesh.h"

#include <cmath>
#include <cstring>
#include <utility>

namespace content {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Grid {
    int slices;
    int stacks;
    uint32_t vertex(int i, int j) const { return static_cast<uint32_t>(j * (slices + 1) + i); }
};

void addTriangle(MeshData& mesh, const uint32_t corners[3], const uint32_t texture[3]) {
    for (int k = 0; k < 3; ++k) {
        mesh.faces.push_back(corners[k]);
        mesh.faceTexture.push_back(texture[k]);
    }
}

} // namespace

MeshData makeSphere(int slices, int stacks, Facing facing) {
    MeshData mesh;
    Grid grid{slices, stacks};
    bool inward = facing == Facing::Inward;
    for (int j = 0; j <= stacks; ++j) {
        double v = static_cast<double>(j) / stacks;
        double ring = std::sin(kPi * v), y = -std::cos(kPi * v);
        for (int i = 0; i <= slices; ++i) {
            double u = static_cast<double>(i) / slices;
            double angle = 2.0 * kPi * u;
            // Exact zeros at the poles and the seam, so duplicated points coincide.
            bool pole = j == 0 || j == stacks;
            mesh.vertices.push_back(pole ? 0.0f : static_cast<float>(ring * std::sin(angle)));
            mesh.vertices.push_back(static_cast<float>(y));
            mesh.vertices.push_back(pole ? 0.0f : static_cast<float>(ring * std::cos(angle)));
            // Seen from inside, u must run the other way for the picture to read unmirrored.
            mesh.texCoords.push_back(static_cast<float>(inward ? 1.0 - u : u));
            mesh.texCoords.push_back(static_cast<float>(v));
        }
    }
    // The pole corners of each slice take the middle of the slice's u range.
    uint32_t poleTexture = static_cast<uint32_t>(mesh.texCoords.size() / 2);
    for (int pole = 0; pole < 2; ++pole)
        for (int i = 0; i < slices; ++i) {
            double u = (i + 0.5) / slices;
            mesh.texCoords.push_back(static_cast<float>(inward ? 1.0 - u : u));
            mesh.texCoords.push_back(static_cast<float>(pole));
        }

    for (int j = 0; j < stacks; ++j)
        for (int i = 0; i < slices; ++i) {
            uint32_t p00 = grid.vertex(i, j), p10 = grid.vertex(i + 1, j);
            uint32_t p11 = grid.vertex(i + 1, j + 1), p01 = grid.vertex(i, j + 1);
            // Counter-clockwise from outside: u grows to the right, v upward.
            uint32_t lower[3] = {p00, p10, p11}, upper[3] = {p00, p11, p01};
            uint32_t lowerTex[3] = {p00, p10, p11}, upperTex[3] = {p00, p11, p01};
            if (j == 0) upperTex[0] = poleTexture + i;                    // south pole corner
            if (j == stacks - 1) lowerTex[2] = poleTexture + slices + i;  // north pole corner
            if (inward) {
                std::swap(lower[1], lower[2]);
                std::swap(lowerTex[1], lowerTex[2]);
                std::swap(upper[1], upper[2]);
                std::swap(upperTex[1], upperTex[2]);
            }
            // The pole rows would give triangles of no area; leave them out.
            if (j != 0) addTriangle(mesh, lower, lowerTex);
            if (j != stacks - 1) addTriangle(mesh, upper, upperTex);
        }

    float sign = inward ? -1.0f : 1.0f;
    for (uint32_t index : mesh.faces) {
        const float* p = &mesh.vertices[index * 3];
        float length = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
        for (int axis = 0; axis < 3; ++axis) mesh.normals.push_back(sign * p[axis] / length);
    }
    return mesh;
}

namespace {

void putWord(std::vector<unsigned char>& out, uint32_t word) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<unsigned char>(word >> shift));
}

void putFloat(std::vector<unsigned char>& out, float value) {
    uint32_t word;
    std::memcpy(&word, &value, sizeof word);
    putWord(out, word);
}

} // namespace

std::vector<unsigned char> serializeMesh(const MeshData& mesh) {
    std::vector<unsigned char> out;
    putWord(out, static_cast<uint32_t>(mesh.vertices.size() / 3));
    putWord(out, static_cast<uint32_t>(mesh.faces.size() / 3));
    putWord(out, static_cast<uint32_t>(mesh.texCoords.size() / 2));
    for (float value : mesh.vertices) putFloat(out, value);
    for (uint32_t index : mesh.faces) putWord(out, index);
    for (uint32_t index : mesh.faceTexture) putWord(out, index);
    for (float value : mesh.texCoords) putFloat(out, value);
    for (float value : mesh.normals) putFloat(out, value);
    return out;
}

} // namespace content

// The generated unit spheres, read back by the mesh file's own rules.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "content/sphere_mesh.h"

namespace {

struct ParsedMesh {
    uint32_t vertexCount = 0, faceCount = 0, texCount = 0;
    std::vector<float> vertices, texCoords, normals;
    std::vector<uint32_t> faces, faceTexture;
};

class Reader {
public:
    explicit Reader(const std::vector<unsigned char>& bytes) : bytes_(bytes) {}
    uint32_t word() {
        uint32_t w = 0;
        for (int i = 0; i < 4; ++i) w |= static_cast<uint32_t>(bytes_.at(at_++)) << (8 * i);
        return w;
    }
    float real() {
        uint32_t w = word();
        float f;
        std::memcpy(&f, &w, sizeof f);
        return f;
    }

private:
    const std::vector<unsigned char>& bytes_;
    size_t at_ = 0;
};

ParsedMesh parse(const std::vector<unsigned char>& bytes) {
    Reader in(bytes);
    ParsedMesh m;
    m.vertexCount = in.word();
    m.faceCount = in.word();
    m.texCount = in.word();
    for (uint32_t i = 0; i < 3 * m.vertexCount; ++i) m.vertices.push_back(in.real());
    for (uint32_t i = 0; i < 3 * m.faceCount; ++i) m.faces.push_back(in.word());
    for (uint32_t i = 0; i < 3 * m.faceCount; ++i) m.faceTexture.push_back(in.word());
    for (uint32_t i = 0; i < 2 * m.texCount; ++i) m.texCoords.push_back(in.real());
    for (uint32_t i = 0; i < 9 * m.faceCount; ++i) m.normals.push_back(in.real());
    return m;
}

struct V3 {
    double x, y, z;
};
V3 minus(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V3 cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

class SphereMeshTest : public ::testing::TestWithParam<content::Facing> {};

TEST_P(SphereMeshTest, FileFollowsTheFormatAndFacesTheRightWay) {
    bool inward = GetParam() == content::Facing::Inward;
    std::vector<unsigned char> bytes = content::serializeMesh(content::makeSphere(64, 32, GetParam()));
    ParsedMesh m = parse(bytes);

    ASSERT_EQ(bytes.size(), 12u + 12u * m.vertexCount + 60u * m.faceCount + 8u * m.texCount);
    EXPECT_GE(m.faceCount, 64u * 32u);
    double facing = inward ? -1.0 : 1.0;
    for (uint32_t f = 0; f < m.faceCount; ++f) {
        V3 corner[3];
        double uv[3][2];
        for (int k = 0; k < 3; ++k) {
            uint32_t p = m.faces[3 * f + k], q = m.faceTexture[3 * f + k];
            ASSERT_LT(p, m.vertexCount);
            ASSERT_LT(q, m.texCount);
            corner[k] = {m.vertices[3 * p], m.vertices[3 * p + 1], m.vertices[3 * p + 2]};
            uv[k][0] = m.texCoords[2 * q];
            uv[k][1] = m.texCoords[2 * q + 1];
            ASSERT_NEAR(std::sqrt(dot(corner[k], corner[k])), 1.0, 1e-6);
            EXPECT_TRUE(uv[k][0] >= 0.0 && uv[k][0] <= 1.0 && uv[k][1] >= 0.0 && uv[k][1] <= 1.0);
            const float* n = &m.normals[9 * f + 3 * k];
            V3 normal{n[0], n[1], n[2]};
            ASSERT_NEAR(dot(normal, normal), 1.0, 1e-5);
            ASSERT_GT(facing * dot(normal, corner[k]), 0.999) << "normal of face " << f << " corner " << k;
        }
        V3 centre{(corner[0].x + corner[1].x + corner[2].x) / 3, (corner[0].y + corner[1].y + corner[2].y) / 3,
                  (corner[0].z + corner[1].z + corner[2].z) / 3};
        V3 turn = cross(minus(corner[1], corner[0]), minus(corner[2], corner[0]));
        ASSERT_GT(facing * dot(turn, centre), 0.0) << "winding of face " << f;
        // Counter-clockwise in texture space too, seen from the viewing side: pictures unmirrored.
        double uvTurn = (uv[1][0] - uv[0][0]) * (uv[2][1] - uv[0][1]) - (uv[1][1] - uv[0][1]) * (uv[2][0] - uv[0][0]);
        ASSERT_GT(uvTurn, 0.0) << "texture of face " << f << " is mirrored";
    }
}

INSTANTIATE_TEST_SUITE_P(BothFacings, SphereMeshTest,
                         ::testing::Values(content::Facing::Outward, content::Facing::Inward));

} // namespace

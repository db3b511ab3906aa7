#include "resources/mesh_geometry.h"

#include <gtest/gtest.h>

#include "render/gl_extensions.h"
#include "support/archive_gl_test.h"
#include "support/gl_feedback.h"
#include "support/log_capture.h"
#include "support/mesh_maker.h"
#include "support/offscreen_gl.h"

namespace {

MeshData parsed(const std::vector<uint8_t>& bytes)
{
    return parseMesh(bytes.data(), bytes.size());
}

TEST(MeshParse, ReadsTheUnitTriangleFile)
{
    std::vector<uint8_t> bytes = makeMeshFile(unitTriangleRecipe());
    ASSERT_EQ(bytes.size(), 132u);
    MeshData mesh = parsed(bytes);
    ASSERT_EQ(mesh.vertices.size(), 3u);
    ASSERT_EQ(mesh.texCoords.size(), 3u);
    ASSERT_EQ(mesh.triangles.size(), 1u);
    EXPECT_EQ(mesh.vertices[1], (std::array<float, 3>{1, 0, 0}));
    EXPECT_EQ(mesh.texCoords[2], (std::array<float, 2>{0, 1}));
    EXPECT_EQ(mesh.triangles[0].vertex, (std::array<uint32_t, 3>{0, 1, 2}));
    EXPECT_EQ(mesh.triangles[0].normal[2], (std::array<float, 3>{0, 0, 1}));
}

TEST(MeshParse, DropsTrianglesWithIndicesOutOfRange)
{
    MeshRecipe recipe = unitTriangleRecipe();
    MeshRecipe::Triangle good = recipe.triangles[0];
    MeshRecipe::Triangle badVertex = good, badTexture = good;
    badVertex.vertex[1] = 3;
    badTexture.texture[2] = 0xFFFFFFFF;
    recipe.triangles = {badVertex, good, badTexture};
    MeshData mesh = parsed(makeMeshFile(recipe));
    ASSERT_EQ(mesh.triangles.size(), 1u);
    EXPECT_EQ(mesh.triangles[0].vertex, good.vertex);
}

// Files whose counts promise more than their bytes hold. None may make the parser read past the
// data or keep more than its bytes describe; only complete triangles survive.
struct ShortFile {
    const char* what;
    std::vector<uint8_t> bytes;
    size_t triangles;
};

std::vector<ShortFile> shortFiles()
{
    MeshRecipe two = unitTriangleRecipe();
    two.triangles.push_back(two.triangles[0]);
    two.triangles[1].vertex = {2, 1, 0};
    std::vector<uint8_t> whole = makeMeshFile(two);  // normals from byte 120, 36 each
    auto cut = [&whole](size_t size) { return std::vector<uint8_t>(whole.begin(), whole.begin() + size); };
    MeshRecipe lying = unitTriangleRecipe();
    lying.claimedTriangles = 0xFFFFFFFF;
    MeshRecipe hugeVertices = unitTriangleRecipe();
    hugeVertices.claimedVertices = 0x40000000;
    MeshRecipe fewerCoordinates = unitTriangleRecipe();
    fewerCoordinates.claimedTexCoords = 1;  // shifts the normals: the file is now too long
    return {
        {"whole", whole, 2},
        {"empty", {}, 0},
        {"half a header", cut(6), 0},
        {"header only", cut(12), 0},
        {"second triangle's normals cut", cut(whole.size() - 1), 1},
        {"all normals cut", cut(120), 0},
        {"cut inside the texture coordinates", cut(100), 0},
        {"every count 2^32 - 1", std::vector<uint8_t>(12, 0xFF), 0},
        {"triangle count 2^32 - 1", makeMeshFile(lying), 0},
        {"vertex count 2^30", makeMeshFile(hugeVertices), 0},
        {"texture index beyond a smaller count", makeMeshFile(fewerCoordinates), 0},
    };
}

TEST(MeshParse, KeepsOnlyWhatTheDataHolds)
{
    for (const ShortFile& file : shortFiles()) {
        MeshData mesh = parsed(file.bytes);
        EXPECT_EQ(mesh.triangles.size(), file.triangles) << file.what;
        size_t described = mesh.vertices.size() * 12 + mesh.texCoords.size() * 8 + mesh.triangles.size() * 60;
        EXPECT_LE(described, file.bytes.size()) << file.what;
    }
}

class MeshCompile : public GLTest {
protected:
    void TearDown() override { multitextureSupported = false; }

    GLuint compiled(const MeshRecipe& recipe)
    {
        std::vector<uint8_t> bytes = makeMeshFile(recipe);
        GLuint list = glGenLists(1);
        compileMesh(list, parseMesh(bytes.data(), bytes.size()));
        return list;
    }
    std::vector<FeedbackPolygon> drawn(GLuint list, FeedbackOptions options = {})
    {
        return captureFeedback([list] { glCallList(list); }, options);
    }
};

TEST_F(MeshCompile, UnitTriangleFacesPlusZWithCornerBAtOneZero)
{
    FeedbackOptions options;
    options.litFromFront = true;
    options.cullBackFaces = true;
    std::vector<FeedbackPolygon> polygons = drawn(compiled(unitTriangleRecipe()), options);
    ASSERT_EQ(polygons.size(), 1u) << "a front face survives back-face culling";
    ASSERT_EQ(polygons[0].size(), 3u);
    const FeedbackCorner& b = polygons[0][1];
    EXPECT_FLOAT_EQ(b.x, windowX(1));
    EXPECT_FLOAT_EQ(b.y, windowY(0));
    EXPECT_FLOAT_EQ(b.texture[0], 1);
    EXPECT_FLOAT_EQ(b.texture[1], 0);
    for (const FeedbackCorner& corner : polygons[0])
        EXPECT_NEAR(corner.colour[0], 1, 1e-3) << "normal (0, 0, 1) faces the light";
}

TEST_F(MeshCompile, VertexAndTextureIndicesAreIndependent)
{
    MeshRecipe recipe = unitTriangleRecipe();
    recipe.triangles[0].vertex = {2, 1, 0};
    std::vector<FeedbackPolygon> polygons = drawn(compiled(recipe));
    ASSERT_EQ(polygons.size(), 1u);
    const FeedbackCorner& first = polygons[0][0];
    EXPECT_FLOAT_EQ(first.x, windowX(0));
    EXPECT_FLOAT_EQ(first.y, windowY(1)) << "vertex 2";
    EXPECT_FLOAT_EQ(first.texture[0], 0);
    EXPECT_FLOAT_EQ(first.texture[1], 0) << "texture coordinate 0";
}

TEST_F(MeshCompile, NormalsBelongToEachCornerInFileOrder)
{
    MeshRecipe recipe = unitTriangleRecipe();
    recipe.triangles[0].normal = {{{0, 0, 1}, {0, 0, -1}, {0.6f, 0, 0.8f}}};
    FeedbackOptions options;
    options.litFromFront = true;
    std::vector<FeedbackPolygon> polygons = drawn(compiled(recipe), options);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_NEAR(polygons[0][0].colour[0], 1.0, 1e-3);
    EXPECT_NEAR(polygons[0][1].colour[0], 0.0, 1e-3);
    EXPECT_NEAR(polygons[0][2].colour[0], 0.8, 1e-3);
}

TEST_F(MeshCompile, FeedsUnitOneOnlyWithMultitexture)
{
    ASSERT_TRUE(resolveMultitexture(OffscreenGL::procAddress));
    for (bool multitexture : {false, true}) {
        multitextureSupported = multitexture;
        GLuint list = compiled(unitTriangleRecipe());
        glExtensions.multiTexCoord2f(GL_TEXTURE1_ARB, 7, 7);
        std::vector<FeedbackPolygon> polygons = drawn(list);
        ASSERT_EQ(polygons.size(), 1u);
        EXPECT_FLOAT_EQ(polygons[0][1].texture[0], 1) << "unit 0 always gets the coordinates";
        glCallList(list);
        GLfloat unitOne[4];
        glExtensions.activeTexture(GL_TEXTURE1_ARB);
        glGetFloatv(GL_CURRENT_TEXTURE_COORDS, unitOne);
        glExtensions.activeTexture(GL_TEXTURE0_ARB);
        // Corner c, the last one sent, has coordinate (0, 1).
        EXPECT_FLOAT_EQ(unitOne[0], multitexture ? 0 : 7) << "multitexture " << multitexture;
        EXPECT_FLOAT_EQ(unitOne[1], multitexture ? 1 : 7) << "multitexture " << multitexture;
    }
}

TEST_F(MeshCompile, AnEmptyMeshDrawsNothing)
{
    EXPECT_TRUE(drawn(compiled(MeshRecipe{})).empty());
}

class MeshLoad : public ArchiveGLTest {
protected:
    void SetUp() override
    {
        ArchiveGLTest::SetUp();
        TestArchive archive;
        archive.entry(storedEntry("meshes\\tri.dat", makeMeshFile(unitTriangleRecipe())));
        useArchive(archive);
    }
    static size_t trianglesDrawnBy(GLuint list)
    {
        return captureFeedback([list] { glCallList(list); }).size();
    }
};

TEST_F(MeshLoad, StoresANewListInTheSlotAndLogsDone)
{
    LogCapture log;
    MeshGeometry slot;
    EXPECT_TRUE(loadGeometry(slot, "meshes\\tri.dat"));
    EXPECT_EQ(log.text(), "Load mesh <meshes\\tri.dat> ...done\n");
    ASSERT_NE(slot.displayList, 0u);
    EXPECT_EQ(trianglesDrawnBy(slot.displayList), 1u);
}

TEST_F(MeshLoad, TheSameFileTwiceGivesTwoListsAndTheFirstStaysCallable)
{
    MeshGeometry slot;
    loadGeometry(slot, "meshes\\tri.dat");
    GLuint first = slot.displayList;
    loadGeometry(slot, "meshes\\tri.dat");
    EXPECT_NE(slot.displayList, first);
    EXPECT_TRUE(glIsList(first));
    EXPECT_EQ(trianglesDrawnBy(first), 1u);
    EXPECT_EQ(trianglesDrawnBy(slot.displayList), 1u);
}

TEST_F(MeshLoad, AMissingFileStoresAnEmptyList)
{
    LogCapture log;
    MeshGeometry slot{12345};
    EXPECT_TRUE(loadGeometry(slot, "meshes\\none.dat"));
    EXPECT_EQ(log.text(), "Load mesh <meshes\\none.dat> ...done\n");
    EXPECT_NE(slot.displayList, 12345u);
    EXPECT_TRUE(glIsList(slot.displayList));
    EXPECT_EQ(trianglesDrawnBy(slot.displayList), 0u);
}

}  // namespace

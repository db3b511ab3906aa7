// The generated data.ssd through the real loaders: every picture decodes and every mesh compiles.
#include <gtest/gtest.h>

#include <filesystem>

#include "resources/jpeg_decoder.h"
#include "resources/mesh_geometry.h"
#include "resources/resource_file.h"
#include "resources/texture.h"
#include "support/gl_feedback.h"
#include "support/offscreen_gl.h"

namespace {

const std::string demoArchive = std::string(VANTRELLE_BINARY_DIR) + "/data.ssd";

class DemoContent : public GLTest {
protected:
    void SetUp() override
    {
        GLTest::SetUp();
        if (!std::filesystem::exists(demoArchive))
            GTEST_SKIP() << "no generated data.ssd at " << demoArchive;
        ResourceFile::setArchivePath(demoArchive.c_str());
    }
    void TearDown() override { ResourceFile::setArchivePath(nullptr); }
};

TEST_F(DemoContent, EveryPictureDecodesAndUploads)
{
    for (const char* name : {"c.jpg", "load.jpg", "loadg.jpg", "textures\\particle.jpg"}) {
        Image image;
        ASSERT_TRUE(decodeJpeg(name, image)) << name;
        EXPECT_EQ(image.rowBytes, image.width * 3) << name;
        EXPECT_EQ(image.width & (image.width - 1), 0) << name << ": sides are powers of two";
        EXPECT_NE(loadTexture(name), 0u) << name;
    }
}

TEST_F(DemoContent, BothSpheresCompileIntoLists)
{
    for (const char* name : {"meshes\\sphere.dat", "meshes\\env.dat"}) {
        ResourceFile file;
        ASSERT_TRUE(file.open(name)) << name;
        EXPECT_GT(parseMesh(file.data(), file.size()).triangles.size(), 100u) << name;
        MeshGeometry slot;
        ASSERT_TRUE(loadGeometry(slot, name));
        EXPECT_FALSE(captureFeedback([&] {
            glScalef(0.5f, 0.5f, 0.5f);
            glCallList(slot.displayList);
        }).empty()) << name;
    }
}

}  // namespace

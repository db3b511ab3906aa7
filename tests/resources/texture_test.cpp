#include "resources/texture.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/archive_gl_test.h"
#include "support/jpeg_maker.h"
#include "support/log_capture.h"

namespace {

Bytes redTopPicture(int width, int height, JpegRecipe::Colour colour = JpegRecipe::Colour::rgb)
{
    JpegRecipe recipe;
    recipe.width = width;
    recipe.height = height;
    recipe.colour = colour;
    recipe.paint = [](int, int y) { return y < 16 ? Rgb{230, 20, 20} : Rgb{20, 20, 230}; };
    return makeJpeg(recipe);
}

class TextureLoad : public ArchiveGLTest {
protected:
    void SetUp() override
    {
        ArchiveGLTest::SetUp();
        TestArchive archive;
        archive.entry(storedEntry("pic.jpg", redTopPicture(256, 128)));
        archive.entry(storedEntry("grey.jpg", redTopPicture(64, 64, JpegRecipe::Colour::grey)));
        archive.entry(storedEntry("lens.jpg", redTopPicture(64, 32)));
        archive.stored("broken.jpg", "not a picture at all");
        useArchive(archive);
    }

    static GLint levelWidth(int level)
    {
        GLint width = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
        return width;
    }
    static GLint parameter(GLenum name)
    {
        GLint value = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
        return value;
    }
    // Texel (x, y) of level 0 of the bound texture, y counted from GL's first row.
    static std::vector<uint8_t> texel(int x, int y, int width, int height)
    {
        std::vector<uint8_t> texels(size_t(width) * height * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
        const uint8_t* p = &texels[(size_t(y) * width + x) * 3];
        return {p[0], p[1], p[2]};
    }
};

TEST_F(TextureLoad, UploadsAMipmappedPictureTopRowLastAndLogsDone)
{
    LogCapture log;
    Texture texture = 0;
    ASSERT_TRUE(loadTexture(texture, "pic.jpg"));
    EXPECT_EQ(log.text(), "Load texture <pic.jpg> ...done\n");
    ASSERT_NE(texture, 0u);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(GLuint(bound), texture) << "the texture stays bound";
    EXPECT_EQ(levelWidth(0), 256);
    EXPECT_EQ(levelWidth(1), 128);
    EXPECT_EQ(parameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(parameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_GT(texel(0, 127, 256, 128)[0], 200) << "GL's last row is the picture's red top row";
    EXPECT_LT(texel(0, 0, 256, 128)[0], 50);
}

TEST_F(TextureLoad, GreyscalePicturesUploadAsGreyRgb)
{
    Texture texture = loadTexture("grey.jpg");
    ASSERT_NE(texture, 0u);
    std::vector<uint8_t> top = texel(5, 63, 64, 64);
    EXPECT_GT(top[0], 200);
    EXPECT_EQ(top[0], top[1]);
    EXPECT_EQ(top[1], top[2]);
}

TEST_F(TextureLoad, TwoLoadsOfOneFileGiveTwoNames)
{
    Texture first = loadTexture("pic.jpg");
    Texture second = loadTexture("pic.jpg");
    EXPECT_NE(first, 0u);
    EXPECT_NE(second, 0u);
    EXPECT_NE(first, second);
}

TEST_F(TextureLoad, DetailTexturesLogTheirOwnText)
{
    LogCapture log;
    Texture detail = 0;
    EXPECT_TRUE(loadDetailTexture(detail, "pic.jpg"));
    EXPECT_NE(detail, 0u);
    EXPECT_EQ(log.text(), "Load detail texture <pic.jpg> ...done\n");
}

struct FailedLoad {
    const char* name;
    bool detail;
    const char* logged;
};

TEST_F(TextureLoad, AFailedLoadLogsFailedAndMakesNoTextureName)
{
    const FailedLoad cases[] = {
        {"missing.jpg", false, "Load texture <missing.jpg> ...failed!\n"},
        {"broken.jpg", false, "Load texture <broken.jpg> ...failed!\n"},
        {"missing.jpg", true, "Load detail texture <missing.jpg> ...failed!\n"},
    };
    for (const FailedLoad& c : cases) {
        GLuint before = 0, after = 0;
        glGenTextures(1, &before);
        LogCapture log;
        Texture field = 4242;
        EXPECT_FALSE(c.detail ? loadDetailTexture(field, c.name) : loadTexture(field, c.name));
        EXPECT_EQ(log.text(), c.logged);
        EXPECT_EQ(field, 4242u) << c.name << ": the field keeps its value";
        glGenTextures(1, &after);
        EXPECT_EQ(after, before + 1) << c.name << ": no texture name was taken in between";
    }
    EXPECT_EQ(loadTexture("missing.jpg"), 0u);
}

TEST_F(TextureLoad, LensTexturesHaveOneLevelAndLogNothing)
{
    LogCapture log;
    Texture slot = 0;
    ASSERT_TRUE(loadLensTexture(slot, "lens.jpg"));
    EXPECT_NE(slot, 0u);
    EXPECT_EQ(log.text(), "");
    EXPECT_EQ(levelWidth(0), 64);
    EXPECT_EQ(levelWidth(1), 0);
    EXPECT_EQ(parameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    Texture untouched = 99;
    EXPECT_FALSE(loadLensTexture(untouched, "missing.jpg"));
    EXPECT_EQ(untouched, 99u);
}

}  // namespace

#include "render/glyph_font.h"

#include <gtest/gtest.h>

#include "render/overlay_2d.h"
#include "support/gl_feedback.h"
#include "support/jpeg_maker.h"
#include "support/log_capture.h"
#include "support/overlay_gl_test.h"

namespace {

class GlyphFont : public OverlayGLTest {
protected:
    void SetUp() override
    {
        OverlayGLTest::SetUp();
        JpegRecipe grid;
        grid.width = grid.height = 256;
        TestArchive archive;
        archive.entry(storedEntry("c.jpg", makeJpeg(grid)));
        useArchive(archive);
        LogCapture log;
        buildGlyphFont();
        logged_ = log.text();
    }
    // The quads of text drawn from (x, y) in the 800 x 600 space, one box per glyph.
    static std::vector<FeedbackBox> glyphBoxes(int x, int y, const char* text)
    {
        FeedbackOptions options;
        options.keepTransforms = true;
        begin2DFull();
        auto polygons = captureFeedback([&] { drawGlyphText(x, y, text); }, options);
        end2DFull();
        // A quad may come back split into two triangles.
        std::vector<FeedbackBox> boxes;
        size_t perGlyph = !polygons.empty() && polygons[0].size() == 3 ? 2 : 1;
        for (size_t i = 0; i + perGlyph <= polygons.size(); i += perGlyph)
            boxes.push_back(boxAround({polygons.begin() + long(i), polygons.begin() + long(i + perGlyph)}));
        return boxes;
    }
    static std::array<float, 4> textureBox(GLuint list)
    {
        // Scaled down to stay inside the capture's view: clipping would cut the coordinates.
        auto polygons = captureFeedback([list] {
            glScalef(1 / glyphSize, 1 / glyphSize, 1);
            glCallList(list);
        });
        float s0 = 9, t0 = 9, s1 = -9, t1 = -9;
        for (auto& polygon : polygons)
            for (auto& c : polygon) {
                s0 = std::min(s0, c.texture[0]), s1 = std::max(s1, c.texture[0]);
                t0 = std::min(t0, c.texture[1]), t1 = std::max(t1, c.texture[1]);
            }
        return {s0, t0, s1, t1};
    }

    std::string logged_;
};

TEST_F(GlyphFont, LoadsTheGridPicture)
{
    EXPECT_EQ(logged_, "Load texture <c.jpg> ...done\n");
    EXPECT_NE(glyphTexture, 0u);
    EXPECT_NE(glyphListBase, 0u);
}

TEST_F(GlyphFont, EachGlyphShowsItsCellCountedFromTheTopLeft)
{
    struct Cell {
        int glyph;
        std::array<float, 4> texture;  // s0, t0, s1, t1
    } cells[] = {
        {0, {0, 0.75f, 0.25f, 1}},
        {3, {0.75f, 0.75f, 1, 1}},
        {5, {0.25f, 0.5f, 0.5f, 0.75f}},
        {10, {0.5f, 0.25f, 0.75f, 0.5f}},
        {12, {0, 0, 0.25f, 0.25f}},
    };
    for (const Cell& cell : cells)
        EXPECT_EQ(textureBox(glyphListBase + GLuint(cell.glyph)), cell.texture) << "glyph " << cell.glyph;
    EXPECT_TRUE(glIsList(glyphListBase + 12));
    EXPECT_GE(glGenLists(1), glyphListBase + 13) << "the last glyph lists are never handed out again";
}

TEST_F(GlyphFont, GlyphsAre64SquareAndAdvanceBy44Point8)
{
    std::vector<FeedbackBox> boxes = glyphBoxes(420, 0, "1:<");
    ASSERT_EQ(boxes.size(), 3u);
    for (size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_NEAR(boxes[i].left, 420 + 44.8 * double(i), 1e-3) << i;
        EXPECT_NEAR(boxes[i].right - boxes[i].left, 64, 1e-3);
        EXPECT_NEAR(boxes[i].bottom, 0, 1e-3);
        EXPECT_NEAR(boxes[i].top, 64, 1e-3);
    }
}

TEST_F(GlyphFont, CharactersOutsideTheTableAreSkipped)
{
    std::vector<FeedbackBox> boxes = glyphBoxes(0, 0, "1A-2");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_NEAR(boxes[1].left, 44.8, 1e-3);
}

}  // namespace

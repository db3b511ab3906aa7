#include "resources/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/jpeg_maker.h"

namespace {

constexpr int tolerance = 10;

bool near(const uint8_t* pixel, Rgb expected)
{
    return std::abs(pixel[0] - expected.r) <= tolerance && std::abs(pixel[1] - expected.g) <= tolerance &&
           std::abs(pixel[2] - expected.b) <= tolerance;
}

constexpr Rgb red{230, 20, 20};
constexpr Rgb blue{20, 20, 230};

// 256 x 128, the top 16 rows red and the rest blue.
JpegRecipe redTopRecipe()
{
    JpegRecipe recipe;
    recipe.width = 256;
    recipe.height = 128;
    recipe.paint = [](int, int y) { return y < 16 ? red : blue; };
    return recipe;
}

Image decoded(const std::vector<uint8_t>& bytes)
{
    Image image;
    EXPECT_TRUE(decodeJpegBytes(bytes.data(), bytes.size(), image));
    return image;
}

void expectRedTop(const Image& image)
{
    ASSERT_EQ(image.width, 256);
    ASSERT_EQ(image.height, 128);
    EXPECT_EQ(image.rowBytes, 768);
    ASSERT_EQ(image.pixels.size(), 768u * 128u);
    EXPECT_TRUE(near(image.row(127), red)) << "the picture's top row is stored last";
    EXPECT_TRUE(near(image.row(127) + 765, red));
    EXPECT_TRUE(near(image.row(0), blue));
}

TEST(JpegDecoder, StoresRowsBottomToTop)
{
    expectRedTop(decoded(makeJpeg(redTopRecipe())));
}

TEST(JpegDecoder, PassesOverCommentAndApplicationSegments)
{
    JpegRecipe recipe = redTopRecipe();
    recipe.comment = "made for a test";
    recipe.appPayload = std::string(3000, 'x');
    expectRedTop(decoded(makeJpeg(recipe)));
}

TEST(JpegDecoder, DecodesProgressivePictures)
{
    JpegRecipe recipe = redTopRecipe();
    recipe.progressive = true;
    expectRedTop(decoded(makeJpeg(recipe)));
}

TEST(JpegDecoder, CompletesAPictureCutShortInItsEntropyData)
{
    std::vector<uint8_t> bytes = makeJpeg(redTopRecipe());
    size_t scanStart = entropyDataOffset(bytes);
    ASSERT_GT(scanStart, 0u);
    bytes.resize(scanStart + (bytes.size() - scanStart) / 3);
    Image image = decoded(bytes);
    ASSERT_EQ(image.height, 128);
    EXPECT_EQ(image.rowBytes, 768);
    EXPECT_TRUE(near(image.row(127), red)) << "the rows that were present decode as before";
}

TEST(JpegDecoder, ExpandsGreyscaleToRgb)
{
    JpegRecipe recipe;
    recipe.width = 24;
    recipe.height = 8;
    recipe.colour = JpegRecipe::Colour::grey;
    recipe.paint = [](int x, int) { return x < 16 ? Rgb{200, 0, 0} : Rgb{40, 0, 0}; };
    Image image = decoded(makeJpeg(recipe));
    EXPECT_EQ(image.rowBytes, 72);
    ASSERT_EQ(image.pixels.size(), 72u * 8u);
    for (int y : {0, 7}) {
        EXPECT_TRUE(near(image.row(y), Rgb{200, 200, 200}));
        EXPECT_TRUE(near(image.row(y) + 3 * 23, Rgb{40, 40, 40}));
    }
}

// A progressive picture whose last scan is repeated: each repeat is one more pass over the picture.
std::vector<uint8_t> withLastScanRepeated(int repeats)
{
    JpegRecipe recipe = redTopRecipe();
    recipe.progressive = true;
    std::vector<uint8_t> bytes = makeJpeg(recipe);
    size_t lastScan = 0;
    for (size_t i = 0; i + 1 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xDA)
            lastScan = i;
    std::vector<uint8_t> scan(bytes.begin() + long(lastScan), bytes.end() - 2);
    bytes.resize(bytes.size() - 2);
    for (int i = 0; i < repeats; ++i)
        bytes.insert(bytes.end(), scan.begin(), scan.end());
    bytes.push_back(0xFF);
    bytes.push_back(0xD9);
    return bytes;
}

TEST(JpegDecoder, RefusesPicturesWithEndlessScans)
{
    Image image;
    std::vector<uint8_t> few = withLastScanRepeated(20);
    EXPECT_TRUE(decodeJpegBytes(few.data(), few.size(), image)) << "a repeated scan is only a warning";
    std::vector<uint8_t> many = withLastScanRepeated(2000);
    EXPECT_FALSE(decodeJpegBytes(many.data(), many.size(), image));
}

// A JPEG header announcing width x height, with nothing after it.
std::vector<uint8_t> headerAnnouncing(unsigned width, unsigned height)
{
    JpegRecipe recipe;
    recipe.width = 8;
    recipe.height = 8;
    std::vector<uint8_t> bytes = makeJpeg(recipe);
    for (size_t i = 2; i + 9 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {
            bytes[i + 5] = uint8_t(height >> 8), bytes[i + 6] = uint8_t(height);
            bytes[i + 7] = uint8_t(width >> 8), bytes[i + 8] = uint8_t(width);
            break;
        }
    bytes.resize(entropyDataOffset(bytes));
    return bytes;
}

struct BadJpeg {
    const char* what;
    std::vector<uint8_t> bytes;
};

std::vector<BadJpeg> badJpegs()
{
    std::vector<uint8_t> good = makeJpeg(redTopRecipe());
    JpegRecipe cmyk = redTopRecipe();
    cmyk.colour = JpegRecipe::Colour::cmyk;
    std::vector<uint8_t> notJpeg(good.begin() + 2, good.end());
    std::vector<uint8_t> headerCut(good.begin(), good.begin() + 40);
    return {
        {"empty", {}},
        {"no start-of-image marker", notJpeg},
        {"header cut short", headerCut},
        {"zero width", headerAnnouncing(0, 8)},
        {"beyond the pixel limit", headerAnnouncing(65000, 65000)},
        {"cmyk", makeJpeg(cmyk)},
        {"text", {'h', 'e', 'l', 'l', 'o'}},
    };
}

TEST(JpegDecoder, FailsCleanlyOnUndecodableData)
{
    for (const BadJpeg& bad : badJpegs()) {
        Image image;
        image.width = 7;
        image.pixels = {1, 2, 3};
        EXPECT_FALSE(decodeJpegBytes(bad.bytes.data(), bad.bytes.size(), image)) << bad.what;
        EXPECT_EQ(image.width, 7) << bad.what << ": the image is left untouched";
        EXPECT_EQ(image.pixels.size(), 3u) << bad.what;
    }
}

}  // namespace

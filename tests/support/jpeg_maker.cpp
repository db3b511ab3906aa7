#include "support/jpeg_maker.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace {

int componentsOf(JpegRecipe::Colour colour)
{
    switch (colour) {
    case JpegRecipe::Colour::grey: return 1;
    case JpegRecipe::Colour::cmyk: return 4;
    default: return 3;
    }
}

J_COLOR_SPACE spaceOf(JpegRecipe::Colour colour)
{
    switch (colour) {
    case JpegRecipe::Colour::grey: return JCS_GRAYSCALE;
    case JpegRecipe::Colour::cmyk: return JCS_CMYK;
    default: return JCS_RGB;
    }
}

std::vector<uint8_t> paintRow(const JpegRecipe& recipe, int y)
{
    int components = componentsOf(recipe.colour);
    std::vector<uint8_t> row(size_t(recipe.width) * components);
    for (int x = 0; x < recipe.width; ++x) {
        Rgb c = recipe.paint(x, y);
        uint8_t* p = &row[size_t(x) * components];
        if (components == 1) {
            p[0] = c.r;
        } else {
            p[0] = c.r, p[1] = c.g, p[2] = c.b;
            if (components == 4)
                p[3] = 0;
        }
    }
    return row;
}

}  // namespace

std::vector<uint8_t> makeJpeg(const JpegRecipe& recipe)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(recipe.width);
    cinfo.image_height = JDIMENSION(recipe.height);
    cinfo.input_components = componentsOf(recipe.colour);
    cinfo.in_color_space = spaceOf(recipe.colour);
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    if (recipe.progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    if (!recipe.comment.empty())
        jpeg_write_marker(&cinfo, JPEG_COM, reinterpret_cast<const JOCTET*>(recipe.comment.data()),
                          unsigned(recipe.comment.size()));
    if (!recipe.appPayload.empty())
        jpeg_write_marker(&cinfo, JPEG_APP0 + 5, reinterpret_cast<const JOCTET*>(recipe.appPayload.data()),
                          unsigned(recipe.appPayload.size()));
    for (int y = 0; y < recipe.height; ++y) {
        std::vector<uint8_t> row = paintRow(recipe, y);
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::vector<uint8_t> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

size_t entropyDataOffset(const std::vector<uint8_t>& jpeg)
{
    for (size_t i = 2; i + 4 <= jpeg.size();) {
        if (jpeg[i] != 0xFF)
            return 0;
        uint8_t marker = jpeg[i + 1];
        size_t length = size_t(jpeg[i + 2]) << 8 | jpeg[i + 3];
        if (marker == 0xDA)
            return i + 2 + length;
        i += 2 + length;
    }
    return 0;
}

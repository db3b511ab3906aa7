#include "content/jpeg_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace content {

namespace {

unsigned char toByte(float value) {
    return static_cast<unsigned char>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

} // namespace

bool writeJpeg(const std::string& path, const Image& image, int quality) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;

    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    // Standard tables only: plain baseline output any decoder takes.
    info.optimize_coding = FALSE;
    jpeg_start_compress(&info, TRUE);

    std::vector<unsigned char> row(static_cast<std::size_t>(image.width()) * 3);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Rgb& p = image.at(x, y);
            row[x * 3] = toByte(p.r);
            row[x * 3 + 1] = toByte(p.g);
            row[x * 3 + 2] = toByte(p.b);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    bool written = std::ferror(file) == 0;
    return std::fclose(file) == 0 && written;
}

} // namespace content

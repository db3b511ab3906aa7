#include "resources/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

#include "resources/resource_file.h"


namespace {

// Progressive pictures with more scans than this are treated as hostile: each scan costs a pass
// over the whole picture.
constexpr int maxJpegScans = 256;

// The library's messages are formatted and dropped; a fatal error leaves the decode by a jump.
struct SilentErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void dropMessage(j_common_ptr cinfo)
{
    char text[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, text);
}

void countMessage(j_common_ptr cinfo, int level)
{
    jpeg_error_mgr* err = cinfo->err;
    if (level < 0) {
        if (err->num_warnings == 0 || err->trace_level >= 3)
            (*err->output_message)(cinfo);
        err->num_warnings++;
    } else if (err->trace_level >= level) {
        (*err->output_message)(cinfo);
    }
}

[[noreturn]] void abandonDecode(j_common_ptr cinfo)
{
    dropMessage(cinfo);
    std::longjmp(reinterpret_cast<SilentErrorManager*>(cinfo->err)->jump, 1);
}

void limitScans(j_common_ptr cinfo)
{
    auto* decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (decompress->input_scan_number > maxJpegScans)
        (*cinfo->err->error_exit)(cinfo);
}

// The source is the whole file in memory; once it is used up the library is handed an
// end-of-image marker, so a file cut short ends cleanly.
const JOCTET endOfImage[2] = {0xFF, JPEG_EOI};

void initSource(j_decompress_ptr) {}

boolean fillInputBuffer(j_decompress_ptr cinfo)
{
    cinfo->src->next_input_byte = endOfImage;
    cinfo->src->bytes_in_buffer = sizeof endOfImage;
    return TRUE;
}

void skipInputData(j_decompress_ptr cinfo, long count)
{
    if (count <= 0)
        return;
    jpeg_source_mgr* src = cinfo->src;
    size_t skip = size_t(count) < src->bytes_in_buffer ? size_t(count) : src->bytes_in_buffer;
    src->next_input_byte += skip;
    src->bytes_in_buffer -= skip;
}

void termSource(j_decompress_ptr) {}

// Everything the decode allocates lives here, outside the frame that the error jump returns to,
// so an abandoned decode still frees it on the normal path.
struct DecodeJob {
    jpeg_decompress_struct cinfo{};
    SilentErrorManager errors{};
    jpeg_source_mgr source{};
    jpeg_progress_mgr progress{};
    Image image;
    std::vector<JSAMPROW> rows;
};

void installMemorySource(DecodeJob& job, const uint8_t* data, size_t size)
{
    job.source.init_source = initSource;
    job.source.fill_input_buffer = fillInputBuffer;
    job.source.skip_input_data = skipInputData;
    job.source.resync_to_restart = jpeg_resync_to_restart;
    job.source.term_source = termSource;
    job.source.next_input_byte = data;
    job.source.bytes_in_buffer = size;
    job.cinfo.src = &job.source;
}

bool acceptableLayout(const jpeg_decompress_struct& cinfo)
{
    bool grey = cinfo.out_color_space == JCS_GRAYSCALE && cinfo.num_components == 1;
    bool colour = cinfo.out_color_space == JCS_RGB && cinfo.num_components == 3;
    uint64_t pixels = uint64_t(cinfo.image_width) * cinfo.image_height;
    return (grey || colour) && pixels > 0 && pixels <= maxJpegPixels;
}

// Grey rows were decoded into the start of their RGB rows; widen each from its right end.
void expandGreyRows(Image& image)
{
    for (int32_t y = 0; y < image.height; ++y) {
        uint8_t* row = image.pixels.data() + size_t(y) * size_t(image.rowBytes);
        for (int32_t x = image.width - 1; x >= 0; --x)
            row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = row[x];
    }
}

bool runDecode(DecodeJob& job, const uint8_t* data, size_t size)
{
    if (setjmp(job.errors.jump))
        return false;
    jpeg_create_decompress(&job.cinfo);
    job.progress.progress_monitor = limitScans;
    job.cinfo.progress = &job.progress;
    installMemorySource(job, data, size);
    jpeg_read_header(&job.cinfo, TRUE);
    if (!acceptableLayout(job.cinfo))
        return false;
    jpeg_start_decompress(&job.cinfo);
    job.image.width = int32_t(job.cinfo.output_width);
    job.image.height = int32_t(job.cinfo.output_height);
    job.image.rowBytes = job.image.width * 3;
    job.image.pixels.assign(size_t(job.image.rowBytes) * size_t(job.image.height), 0);
    job.rows.resize(size_t(job.image.height));
    for (int32_t i = 0; i < job.image.height; ++i)
        job.rows[size_t(i)] = job.image.pixels.data() + size_t(job.image.height - 1 - i) * size_t(job.image.rowBytes);
    while (job.cinfo.output_scanline < job.cinfo.output_height) {
        JDIMENSION done = job.cinfo.output_scanline;
        if (jpeg_read_scanlines(&job.cinfo, job.rows.data() + done, job.cinfo.output_height - done) == 0)
            break;  // the source never suspends; this only guards against a stall
    }
    if (job.cinfo.output_components == 1)
        expandGreyRows(job.image);
    return true;
}

}  // namespace

bool decodeJpegBytes(const uint8_t* data, size_t size, Image& image)
{
    DecodeJob job;
    job.cinfo.err = jpeg_std_error(&job.errors.base);
    job.errors.base.error_exit = abandonDecode;
    job.errors.base.output_message = dropMessage;
    job.errors.base.emit_message = countMessage;
    bool decoded = runDecode(job, data, size);
    jpeg_destroy_decompress(&job.cinfo);
    if (decoded)
        image = std::move(job.image);
    return decoded;
}

bool decodeJpeg(const char* name, Image& image)
{
    ResourceFile file;
    if (!file.open(name))
        return false;
    bool decoded = decodeJpegBytes(file.data(), file.size(), image);
    file.close();
    return decoded;
}

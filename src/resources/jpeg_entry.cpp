// Decoding straight from the archive; kept apart so the byte decoder has no archive dependency.
#include "resources/jpeg_decoder.h"
#include "resources/resource_file.h"

bool decodeJpeg(const char* name, Image& image)
{
    ResourceFile file;
    if (!file.open(name))
        return false;
    bool decoded = decodeJpegBytes(file.data(), file.size(), image);
    file.close();
    return decoded;
}

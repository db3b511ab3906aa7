#pragma once
// JPEG entries of the archive decoded whole into an Image.
#include <cstddef>
#include <cstdint>

#include "resources/image.h"

// Pictures larger than this many pixels are refused rather than allocated.
constexpr uint64_t maxJpegPixels = 4096u * 4096u;

// Decodes the bytes of one JPEG file. Greyscale pictures become RGB; CMYK pictures, pictures
// beyond maxJpegPixels and data the library cannot decode fail and leave image untouched. A
// picture cut short is completed by the library and still counts as decoded.
bool decodeJpegBytes(const uint8_t* data, size_t size, Image& image);

// Reads the archive entry name and decodes it; false when the entry is missing or undecodable.
bool decodeJpeg(const char* name, Image& image);

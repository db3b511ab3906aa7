#pragma once
// Baseline JPEG output through libjpeg's compression interface.

#include <string>

#include "content/image.h"

namespace content {

// Writes image (channel values 0 to 1, clamped) as a 3-component baseline JPEG. False on any failure.
bool writeJpeg(const std::string& path, const Image& image, int quality = 90);

} // namespace content

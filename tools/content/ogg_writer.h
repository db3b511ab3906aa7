#pragma once
// Ogg Vorbis encoding through libvorbisenc, in memory.

#include <vector>

#include "content/ambient_piece.h"

namespace content {

// Encodes the first `frames` frames of audio at the given VBR quality (-0.1 to 1). Frames past
// that count, when audio holds any, are coded too but cut off by the last page's granule
// position, which is exactly `frames`: for a loop, passing its beginning again after its end
// lets the coder see the signal run on, so the decoded end meets the beginning without a step.
// The stream serial number is fixed: the same samples always give the same bytes.
std::vector<unsigned char> encodeOggVorbis(const StereoBuffer& audio, long frames, int sampleRate, float quality);

} // namespace content

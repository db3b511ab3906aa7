#pragma once
// A feedback-delay-network reverb for a looped piece: it runs round the loop twice and keeps the
// second turn, so the tail of the loop's end rings on into its beginning.

#include <vector>

#include "content/ambient_piece.h"

namespace content {

StereoBuffer loopReverb(const std::vector<float>& left, const std::vector<float>& right, int sampleRate);

} // namespace content

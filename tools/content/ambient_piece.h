#pragma once
// The show's music: slow pad chords over a soft bass, with high bell-like shimmer and a long
// reverb. Every sound is placed on a circle of the loop's length and wraps around its end, the
// slow modulations repeat a whole number of times per loop, and the reverb runs round the loop
// twice so its tail carries over the join: played in a loop, the piece has no seam.

#include <vector>

namespace content {

struct PieceShape {
    int sampleRate = 44100;
    double chordSeconds = 12.0;
    int chordCount = 8;  // at most the length of the progression (8)
};

struct StereoBuffer {
    std::vector<float> left;
    std::vector<float> right;
};

// The number of sample frames in one loop of the piece.
long loopFrames(const PieceShape& shape);

// Exactly one loop, peak-normalised below full scale.
StereoBuffer renderPiece(const PieceShape& shape);

} // namespace content

// make_music OUT.ogg: synthesises the show's ambient loop (96 seconds, 44.1 kHz stereo) and
// encodes it as Ogg Vorbis.

#include <cstdio>

#include "content/ambient_piece.h"
#include "content/ogg_writer.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_music OUT.ogg\n");
        return 2;
    }
    content::PieceShape shape;
    content::StereoBuffer piece = content::renderPiece(shape);
    long frames = static_cast<long>(piece.left.size());
    // The loop's beginning once more after its end: the coder codes the join as it will be heard.
    constexpr long kRunOn = 16384;
    for (long i = 0; i < kRunOn; ++i) {
        piece.left.push_back(piece.left[i % frames]);
        piece.right.push_back(piece.right[i % frames]);
    }
    std::vector<unsigned char> ogg = content::encodeOggVorbis(piece, frames, shape.sampleRate, 0.5f);
    std::FILE* file = ogg.empty() ? nullptr : std::fopen(argv[1], "wb");
    if (!file) {
        std::fprintf(stderr, "make_music: cannot encode into %s\n", argv[1]);
        return 1;
    }
    bool written = std::fwrite(ogg.data(), 1, ogg.size(), file) == ogg.size();
    if (std::fclose(file) != 0 || !written) {
        std::fprintf(stderr, "make_music: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

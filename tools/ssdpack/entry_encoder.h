#pragma once
// Encodes archive entries with the RAR 2.0 method. One session follows the decoder through a solid
// chain: window, recent distances, tables and audio predictors carry over from entry to entry.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "audio_predictor.h"
#include "lz_parser.h"
#include "match_finder.h"
#include "table_writer.h"

namespace ssdpack {

struct EncoderOptions {
    int method = 3;      // 1..5: more effort, smaller output
    bool audio = false;  // try the audio mode and keep it when it is smaller
};

class EncoderSession {
public:
    // The chain's bytes are kept up to historyLimit, then cut back to the last window.
    static constexpr size_t defaultHistoryLimit = size_t(8) << 20;
    explicit EncoderSession(size_t historyLimit = defaultHistoryLimit);

    // Forgets everything: the next entry starts the decoder afresh.
    void restart();
    // True when the next entry will continue the state of the one before (flag 0x0010).
    bool continuing() const { return started_; }
    // The packed data area of the next entry.
    std::vector<uint8_t> encode(const uint8_t* data, size_t size, const EncoderOptions& options,
                                EncodeStats* stats = nullptr);

private:
    enum class Mode { None, Lz, Audio };

    // Everything of the decoder's state the encoder mirrors, apart from the window itself.
    struct DecoderMirror {
        Mode mode = Mode::None;
        LzCodes lz;
        PrefixCode audio[4];
        int audioChannels = 0;
        MatchMemory matches;
        TableMemory tables;
        AudioState predictor;
        SymbolPrices prices;
    };

    void appendHistory(const uint8_t* data, size_t size);
    BitWriter encodeLz(uint32_t start, uint32_t end, int method, DecoderMirror& mirror, EncodeStats& stats);
    BitWriter encodeAudio(const uint8_t* data, size_t size, int channels, DecoderMirror& mirror, EncodeStats& stats);
    int bestAudioChannels(const uint8_t* data, size_t size, uint64_t& bits) const;
    void switchTables(BitWriter& out, const DecoderMirror& mirror, bool fresh) const;

    size_t historyLimit_;
    std::vector<uint8_t> history_;  // the chain's bytes, the last of them the current entry
    MatchFinder finder_;
    DecoderMirror mirror_;
    bool started_ = false;
};

}  // namespace ssdpack

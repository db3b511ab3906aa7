#include "entry_encoder.h"

#include <algorithm>

#include "rar_constants.h"

namespace ssdpack {

namespace {

constexpr size_t lzBlockTokens = 32768;
constexpr size_t trailingBytes = 2;
constexpr size_t audioBlockBytes = 65536;

// Codes for one block; the table switch symbol always gets a code so a later table can follow.
LzCodes buildLzCodes(LzFrequencies freq) {
    ++freq.main[rar::newTableSymbol];
    return {PrefixCode::fromFrequencies(freq.main, rar::maxCodeLength),
            PrefixCode::fromFrequencies(freq.distance, rar::maxCodeLength),
            PrefixCode::fromFrequencies(freq.repeatLength, rar::maxCodeLength)};
}

uint64_t lzCost(const LzCodes& codes, const LzFrequencies& freq) {
    return codes.main.cost(freq.main) + codes.distance.cost(freq.distance) +
           codes.repeatLength.cost(freq.repeatLength) + freq.extraBits;
}

TableRead lzTable(const LzCodes& codes) {
    TableRead table;
    table.lengths = codes.main.lengths;
    table.lengths.insert(table.lengths.end(), codes.distance.lengths.begin(), codes.distance.lengths.end());
    table.lengths.insert(table.lengths.end(), codes.repeatLength.lengths.begin(), codes.repeatLength.lengths.end());
    return table;
}

struct AudioBlock {
    std::vector<uint8_t> symbols;
    std::vector<uint8_t> channel;  // channel of each symbol
    std::vector<uint32_t> freq[4];
};

AudioBlock predictBlock(AudioState& state, const uint8_t* data, size_t size, int channels) {
    AudioBlock block;
    block.symbols.resize(size);
    block.channel.resize(size);
    for (int c = 0; c < 4; ++c) block.freq[c].assign(rar::audioSymbols, 0);
    for (size_t i = 0; i < size; ++i) {
        const int c = state.currentChannel;
        const uint8_t s = state.encode(data[i], channels);
        block.symbols[i] = s;
        block.channel[i] = uint8_t(c);
        ++block.freq[c][s];
    }
    return block;
}

void buildAudioCodes(const AudioBlock& block, int channels, PrefixCode* codes) {
    for (int c = 0; c < channels; ++c) {
        std::vector<uint32_t> freq = block.freq[c];
        ++freq[rar::audioNewTableSymbol];
        codes[c] = PrefixCode::fromFrequencies(freq, rar::maxCodeLength);
    }
}

TableRead audioTable(const PrefixCode* codes, int channels) {
    TableRead table;
    table.audio = true;
    table.channels = channels;
    for (int c = 0; c < channels; ++c) table.lengths.insert(table.lengths.end(), codes[c].lengths.begin(), codes[c].lengths.end());
    return table;
}

uint64_t audioCost(const PrefixCode* codes, const AudioBlock& block, int channels) {
    uint64_t bits = 0;
    for (int c = 0; c < channels; ++c) bits += codes[c].cost(block.freq[c]);
    return bits;
}

}  // namespace

EncoderSession::EncoderSession(size_t historyLimit) : historyLimit_(std::max<size_t>(historyLimit, rar::windowSize)) {
    restart();
}

void EncoderSession::restart() {
    history_.clear();
    finder_.reset();
    mirror_ = DecoderMirror{};
    started_ = false;
}

void EncoderSession::appendHistory(const uint8_t* data, size_t size) {
    if (history_.size() > historyLimit_) {
        const size_t drop = history_.size() - rar::windowSize;
        history_.erase(history_.begin(), history_.begin() + std::ptrdiff_t(drop));
        finder_.rebase(uint32_t(drop));
    }
    history_.insert(history_.end(), data, data + size);
}

// Before a new table, a continuing stream says so with the symbol of its current mode.
void EncoderSession::switchTables(BitWriter& out, const DecoderMirror& mirror, bool fresh) const {
    if (fresh) return;  // the decoder reads the first tables of a fresh entry unasked
    if (mirror.mode == Mode::Lz) {
        out.put(mirror.lz.main.codes[rar::newTableSymbol], mirror.lz.main.lengths[rar::newTableSymbol]);
    } else if (mirror.mode == Mode::Audio) {
        const PrefixCode& code = mirror.audio[mirror.predictor.currentChannel];
        out.put(code.codes[rar::audioNewTableSymbol], code.lengths[rar::audioNewTableSymbol]);
    }
}

BitWriter EncoderSession::encodeLz(uint32_t start, uint32_t end, int method, DecoderMirror& mirror,
                                   EncodeStats& stats) {
    BitWriter out;
    bool fresh = !started_;
    LzParser parser(finder_, mirror.matches, mirror.prices, lzLevelFor(method));
    std::vector<LzToken> tokens;
    uint32_t pos = start;
    while (pos < end) {
        tokens.clear();
        pos = parser.parse(history_.data(), pos, end, lzBlockTokens, tokens);
        LzFrequencies freq;
        for (const LzToken& t : tokens) countToken(t, freq);
        LzCodes fresh_codes = buildLzCodes(freq);
        TableRead table = lzTable(fresh_codes);
        const uint64_t newBits = tableReadBits(table, mirror.tables) + lzCost(fresh_codes, freq);
        const bool canKeep = mirror.mode == Mode::Lz && !fresh;
        const uint64_t oldBits = canKeep ? lzCost(mirror.lz, freq) : UINT64_MAX;
        if (newBits + 8 < oldBits) {
            switchTables(out, mirror, fresh);
            if (writeTableRead(out, table, mirror.tables)) ++stats.deltaTableReads;
            ++stats.tableReads;
            mirror.lz = std::move(fresh_codes);
            mirror.mode = Mode::Lz;
        }
        fresh = false;
        for (const LzToken& t : tokens) writeToken(out, t, mirror.lz, stats);
        mirror.prices.update(mirror.lz, freq);
    }
    return out;
}

BitWriter EncoderSession::encodeAudio(const uint8_t* data, size_t size, int channels, DecoderMirror& mirror,
                                      EncodeStats& stats) {
    BitWriter out;
    bool fresh = !started_;
    AudioState& state = mirror.predictor;
    // A table read with fewer channels sends an out-of-range channel back to 0; one is always
    // made here unless the current audio tables already have this channel count.
    if (state.currentChannel >= channels) state.currentChannel = 0;
    for (size_t offset = 0; offset < size; offset += audioBlockBytes) {
        const size_t n = std::min(audioBlockBytes, size - offset);
        const int firstChannel = state.currentChannel;
        AudioBlock block = predictBlock(state, data + offset, n, channels);
        PrefixCode codes[4];
        buildAudioCodes(block, channels, codes);
        TableRead table = audioTable(codes, channels);
        const uint64_t newBits = tableReadBits(table, mirror.tables) + audioCost(codes, block, channels);
        const bool canKeep = !fresh && mirror.mode == Mode::Audio && mirror.audioChannels == channels;
        const uint64_t oldBits = canKeep ? audioCost(mirror.audio, block, channels) : UINT64_MAX;
        if (newBits + 8 < oldBits) {
            DecoderMirror before = mirror;
            before.predictor.currentChannel = firstChannel;
            switchTables(out, before, fresh);
            if (writeTableRead(out, table, mirror.tables)) ++stats.deltaTableReads;
            ++stats.tableReads;
            ++stats.audioTableReads;
            for (int c = 0; c < channels; ++c) mirror.audio[c] = std::move(codes[c]);
            mirror.audioChannels = channels;
            mirror.mode = Mode::Audio;
        }
        fresh = false;
        for (size_t i = 0; i < n; ++i) {
            const PrefixCode& code = mirror.audio[block.channel[i]];
            out.put(code.codes[block.symbols[i]], code.lengths[block.symbols[i]]);
        }
    }
    stats.audioChannels = channels;
    return out;
}

int EncoderSession::bestAudioChannels(const uint8_t* data, size_t size, uint64_t& bits) const {
    int best = 0;
    bits = UINT64_MAX;
    for (int channels = 1; channels <= 4; ++channels) {
        AudioState state = mirror_.predictor;
        if (state.currentChannel >= channels) state.currentChannel = 0;
        uint64_t total = 0;
        for (size_t offset = 0; offset < size; offset += audioBlockBytes) {
            const size_t n = std::min(audioBlockBytes, size - offset);
            AudioBlock block = predictBlock(state, data + offset, n, channels);
            PrefixCode codes[4];
            buildAudioCodes(block, channels, codes);
            total += audioCost(codes, block, channels) + 60 * channels * 8;  // about one table read
        }
        if (total < bits) {
            bits = total;
            best = channels;
        }
    }
    return best;
}

std::vector<uint8_t> EncoderSession::encode(const uint8_t* data, size_t size, const EncoderOptions& options,
                                            EncodeStats* statsOut) {
    EncodeStats stats;
    uint64_t audioBits = UINT64_MAX;
    const int channels = options.audio && size > 0 ? bestAudioChannels(data, size, audioBits) : 0;
    appendHistory(data, size);
    const uint32_t end = uint32_t(history_.size());
    const uint32_t start = end - uint32_t(size);

    DecoderMirror lzMirror = mirror_;
    EncodeStats lzStats;
    BitWriter out = encodeLz(start, end, options.method, lzMirror, lzStats);
    if (channels != 0 && audioBits < out.bitCount()) {
        DecoderMirror audioMirror = mirror_;
        EncodeStats audioStats;
        BitWriter audio = encodeAudio(data, size, channels, audioMirror, audioStats);
        if (audio.bitCount() < out.bitCount()) {
            out = std::move(audio);
            lzMirror = std::move(audioMirror);
            lzStats = audioStats;
        }
    }
    mirror_ = std::move(lzMirror);
    stats = lzStats;
    started_ = true;
    if (statsOut) *statsOut = stats;
    // Some decoders look up to 10 bits ahead of every symbol, so two zero bytes follow the last
    // one; fewer than five bytes past it keep the reader from taking them for a final table.
    std::vector<uint8_t> packed = out.finish();
    packed.insert(packed.end(), trailingBytes, 0);
    return packed;
}

}  // namespace ssdpack

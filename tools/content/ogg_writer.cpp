#include "content/ogg_writer.h"

#include <algorithm>

#include <vorbis/vorbisenc.h>

namespace content {

namespace {

constexpr int kSerial = 0x56544C45;
constexpr int kChunk = 1024;

void appendPage(std::vector<unsigned char>& out, const ogg_page& page) {
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

class Encoder {
public:
    ~Encoder() {
        if (started_) {
            ogg_stream_clear(&stream_);
            vorbis_block_clear(&block_);
            vorbis_dsp_clear(&dsp_);
        }
        vorbis_comment_clear(&comment_);
        vorbis_info_clear(&info_);
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    bool start(int sampleRate, float quality, std::vector<unsigned char>& out) {
        if (vorbis_encode_init_vbr(&info_, 2, sampleRate, quality) != 0) return false;
        vorbis_comment_add_tag(&comment_, "TITLE", "Vantrelle");
        vorbis_analysis_init(&dsp_, &info_);
        vorbis_block_init(&dsp_, &block_);
        ogg_stream_init(&stream_, kSerial);
        started_ = true;
        ogg_packet id, comments, codebooks;
        vorbis_analysis_headerout(&dsp_, &comment_, &id, &comments, &codebooks);
        ogg_stream_packetin(&stream_, &id);
        ogg_stream_packetin(&stream_, &comments);
        ogg_stream_packetin(&stream_, &codebooks);
        // The headers end on a page of their own, as decoders expect.
        ogg_page page;
        while (ogg_stream_flush(&stream_, &page) != 0) appendPage(out, page);
        return true;
    }

    explicit Encoder(long frames) : frames_(frames) {
        vorbis_info_init(&info_);
        vorbis_comment_init(&comment_);
    }
    bool ended() const { return ended_; }

    void write(const float* left, const float* right, int frames, std::vector<unsigned char>& out) {
        if (frames > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp_, frames);
            std::copy(left, left + frames, buffer[0]);
            std::copy(right, right + frames, buffer[1]);
        }
        vorbis_analysis_wrote(&dsp_, frames);  // 0 frames marks the end of the stream
        drain(out);
    }

private:
    void drain(std::vector<unsigned char>& out) {
        while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
            vorbis_analysis(&block_, nullptr);
            vorbis_bitrate_addblock(&block_);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp_, &packet) == 1) {
                if (ended_) continue;
                // The packet that reaches the wanted length ends the stream there.
                if (packet.granulepos >= frames_) {
                    packet.granulepos = frames_;
                    packet.e_o_s = 1;
                    ended_ = true;
                }
                ogg_stream_packetin(&stream_, &packet);
                ogg_page page;
                while (ogg_stream_pageout(&stream_, &page) != 0) appendPage(out, page);
            }
        }
        ogg_page page;
        if (stream_.e_o_s)
            while (ogg_stream_flush(&stream_, &page) != 0) appendPage(out, page);
    }

    vorbis_info info_;
    vorbis_comment comment_;
    vorbis_dsp_state dsp_;
    vorbis_block block_;
    ogg_stream_state stream_;
    long frames_;
    bool started_ = false;
    bool ended_ = false;
};

} // namespace

std::vector<unsigned char> encodeOggVorbis(const StereoBuffer& audio, long frames, int sampleRate, float quality) {
    size_t available = std::min(audio.left.size(), audio.right.size());
    if (frames <= 0 || static_cast<size_t>(frames) > available) return {};
    std::vector<unsigned char> out;
    Encoder encoder(frames);
    if (!encoder.start(sampleRate, quality, out)) return {};
    for (size_t at = 0; at < available && !encoder.ended(); at += kChunk) {
        int count = static_cast<int>(std::min<size_t>(kChunk, available - at));
        encoder.write(audio.left.data() + at, audio.right.data() + at, count, out);
    }
    if (!encoder.ended()) encoder.write(nullptr, nullptr, 0, out);
    return out;
}

} // namespace content

#include "support/test_ogg.h"

#include <vorbis/vorbisenc.h>

#include <cmath>

namespace {

void appendPage(std::vector<uint8_t>& out, const ogg_page& page)
{
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

}  // namespace

std::vector<uint8_t> makeTestOgg(double seconds, double frequency)
{
    constexpr int rate = 44100;
    vorbis_info info;
    vorbis_info_init(&info);
    vorbis_encode_init_vbr(&info, 2, rate, 0.3f);
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);

    std::vector<uint8_t> out;
    ogg_packet header, commentPacket, codebook;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentPacket, &codebook);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentPacket);
    ogg_stream_packetin(&stream, &codebook);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page))
        appendPage(out, page);

    const long frames = long(seconds * rate);
    long written = 0;
    bool ended = false;
    while (!ended) {
        const long chunk = std::min<long>(1024, frames - written);
        if (chunk > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp, int(chunk));
            for (long i = 0; i < chunk; ++i) {
                const float value = 0.5f * float(std::sin(2 * M_PI * frequency * double(written + i) / rate));
                buffer[0][i] = value;
                buffer[1][i] = value;
            }
            vorbis_analysis_wrote(&dsp, int(chunk));
            written += chunk;
        } else {
            vorbis_analysis_wrote(&dsp, 0);
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page)) {
                    appendPage(out, page);
                    ended = ogg_page_eos(&page);
                }
            }
        }
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

// Helpers for the archive benchmark: writes the synthetic PCM part of the corpus, and times the
// program's extractFile over every entry of an archive.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "archive_scan.h"
#include "resources/archive_reader.h"

namespace {

void writePcm(const std::string& path, size_t frames, int channels, int bytesPerSample, unsigned seed) {
    std::mt19937 rng(seed);
    std::normal_distribution<double> noise(0.0, 0.004);
    std::vector<char> out;
    out.reserve(frames * size_t(channels * bytesPerSample));
    for (size_t i = 0; i < frames; ++i) {
        const double t = double(i) / 44100.0;
        for (int c = 0; c < channels; ++c) {
            // A slow chord with a beat, different per channel, plus noise: like ambient music.
            double v = 0.30 * std::sin(2 * M_PI * (220.0 + 1.5 * c) * t) + 0.20 * std::sin(2 * M_PI * 277.2 * t) +
                       0.15 * std::sin(2 * M_PI * 329.6 * t + c) * (0.5 + 0.5 * std::sin(2 * M_PI * 0.25 * t)) +
                       noise(rng);
            if (bytesPerSample == 1) {
                out.push_back(char(uint8_t(128 + int(v * 120))));
            } else {
                const int16_t s = int16_t(v * 32000);
                out.push_back(char(s & 0xFF));
                out.push_back(char((uint16_t(s) >> 8) & 0xFF));
            }
        }
    }
    std::ofstream(path, std::ios::binary).write(out.data(), std::streamsize(out.size()));
}

int pcmCorpus(const std::string& dir) {
    writePcm(dir + "/stereo16.raw", 512 * 1024, 2, 2, 1);  // 2 MiB
    writePcm(dir + "/mono16.raw", 512 * 1024, 1, 2, 2);    // 1 MiB
    writePcm(dir + "/mono8.raw", 1024 * 1024, 1, 1, 3);    // 1 MiB
    return 0;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

bool extractOnce(const std::string& archive, const std::string& name, uint64_t& bytes) {
    uint8_t* data = nullptr;
    uint32_t size = 0;
    const int ok = extractFile(name.c_str(), archive.c_str(), &data, &size);
    delete[] data;
    bytes += size;
    return ok == 1;
}

// Non-solid: every entry once. Solid: the last entry, which decodes the whole stream.
int decodeThroughput(const std::string& archive) {
    ssdpack::ArchiveScan scan = ssdpack::scanArchive(archive);
    if (scan.status != ssdpack::ArchiveScan::Ok || scan.entries.empty()) {
        std::fprintf(stderr, "cannot scan %s\n", archive.c_str());
        return 1;
    }
    uint64_t total = 0;
    for (const auto& e : scan.entries) total += e.unpackedSize;
    double best = 1e30;
    for (int round = 0; round < 3; ++round) {
        const auto start = std::chrono::steady_clock::now();
        uint64_t bytes = 0;
        bool ok = true;
        if (scan.solid()) ok = extractOnce(archive, scan.entries.back().name, bytes);
        else
            for (const auto& e : scan.entries) ok = extractOnce(archive, e.name, bytes) && ok;
        if (!ok) {
            std::fprintf(stderr, "extraction failed in %s\n", archive.c_str());
            return 1;
        }
        best = std::min(best, secondsSince(start));
    }
    std::printf("%.1f\n", double(total) / 1048576.0 / best);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "pcm") == 0) return pcmCorpus(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "decode") == 0) return decodeThroughput(argv[2]);
    std::fputs("usage: archive_bench pcm DIR | decode ARCHIVE\n", stderr);
    return 2;
}

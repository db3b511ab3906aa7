#pragma once
// Shared by the ssdpack tests: sample data, packing through the archive writer, and extraction
// by both the program's reader and unar.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "archive_writer.h"
#include "resources/archive_reader.h"
#include "support/test_archive.h"

namespace packtest {

struct Entry {
    std::string name;
    Bytes data;
};

inline Bytes randomBytes(size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    Bytes out(n);
    for (uint8_t& b : out) b = uint8_t(rng());
    return out;
}

// Words drawn with a skewed distribution, lines and numbers: like the scripts.
inline Bytes textLike(size_t n, unsigned seed) {
    static const char* words[] = {"position", "V(", "0.5", "rotation", "Q(", "begin", "end", "texture",
                                  "mesh",     "\tcolour", "1.0", "speed", "flare", "ENDKEYS", "sphere", "-12.75"};
    std::mt19937 rng(seed);
    std::geometric_distribution<int> pick(0.25);
    Bytes out;
    while (out.size() < n) {
        std::string w = words[std::min(pick(rng), 15)];
        if (rng() % 7 == 0) w += std::to_string(rng() % 1000);
        w += (rng() % 6 == 0) ? "\r\n" : " ";
        out.insert(out.end(), w.begin(), w.end());
    }
    out.resize(n);
    return out;
}

// Fixed-size records of slowly changing little-endian fields, like mesh files.
inline Bytes structured(size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    Bytes out;
    int32_t a = 0, b = 1000;
    while (out.size() < n) {
        a += int32_t(rng() % 5);
        b -= int32_t(rng() % 3);
        const int32_t fields[4] = {a, b, int32_t(rng() % 4), 0x3F800000};
        for (int32_t f : fields)
            for (int k = 0; k < 4; ++k) out.push_back(uint8_t(f >> (8 * k)));
    }
    out.resize(n);
    return out;
}

// Interleaved PCM: sine tones with a little noise, bytesPerSample 1 (unsigned) or 2 (signed LE).
inline Bytes pcm(size_t frames, int channels, int bytesPerSample, unsigned seed) {
    std::mt19937 rng(seed);
    Bytes out;
    for (size_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c) {
            double v = std::sin(double(i) * (0.013 + 0.007 * c)) * 0.6 + std::sin(double(i) * 0.0011 * (c + 1)) * 0.3;
            v += (double(rng() % 1000) / 1000.0 - 0.5) * 0.01;
            if (bytesPerSample == 1) {
                out.push_back(uint8_t(128 + int(v * 120)));
            } else {
                int16_t s = int16_t(v * 30000);
                out.push_back(uint8_t(s));
                out.push_back(uint8_t(uint16_t(s) >> 8));
            }
        }
    return out;
}

// An archive written by the packer into a temporary file.
class PackedArchive {
public:
    PackedArchive(const std::vector<Entry>& entries, const ssdpack::PackOptions& options,
                  size_t historyLimit = ssdpack::EncoderSession::defaultHistoryLimit)
        : file_("packed") {
        ssdpack::ArchiveWriter writer(historyLimit);
        std::string error;
        ok_ = writer.open(file_.path(), options, error);
        for (const Entry& e : entries) {
            ssdpack::PackedEntryInfo info;
            ok_ = ok_ && writer.add(e.name, e.data, ssdpack::dosTimeOf(946684800), 0100644, &info, error);
            infos_.push_back(info);
        }
        ok_ = ok_ && writer.commit(error);
        error_ = error;
    }

    bool ok() const { return ok_; }
    const std::string& error() const { return error_; }
    const std::string& path() const { return file_.path(); }
    const std::vector<ssdpack::PackedEntryInfo>& infos() const { return infos_; }

private:
    TempFile file_;
    bool ok_ = false;
    std::string error_;
    std::vector<ssdpack::PackedEntryInfo> infos_;
};

inline Bytes programExtract(const std::string& archive, const std::string& name, int* result = nullptr) {
    uint8_t* data = nullptr;
    uint32_t size = 0;
    int r = extractFile(name.c_str(), archive.c_str(), &data, &size);
    if (result) *result = r;
    Bytes out;
    if (data) out.assign(data, data + size);
    delete[] data;
    return out;
}

// Every entry extracts byte for byte with the program's reader and, when it is installed, with unar.
inline void expectBothDecodersExtract(const PackedArchive& archive, const std::vector<Entry>& entries) {
    ASSERT_TRUE(archive.ok()) << archive.error();
    for (const Entry& e : entries) {
        int result = 0;
        Bytes got = programExtract(archive.path(), e.name, &result);
        EXPECT_EQ(result, 1) << e.name;
        EXPECT_TRUE(got == e.data) << "program's reader differs on " << e.name;
    }
    if (!unarAvailable()) return;
    TempFile dir("unar");
    std::filesystem::create_directories(dir.path());
    const std::string command = "unar -q -f -D -o '" + dir.path() + "' '" + archive.path() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << "unar refused the archive";
    for (const Entry& e : entries) {
        std::string relative = e.name;
        for (char& c : relative)
            if (c == '\\') c = '/';
        std::ifstream in(std::filesystem::path(dir.path()) / relative, std::ios::binary);
        Bytes got((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_TRUE(in || e.data.empty()) << "unar left out " << e.name;
        EXPECT_TRUE(got == e.data) << "unar differs on " << e.name;
    }
    std::error_code ignored;
    std::filesystem::remove_all(dir.path(), ignored);
}

}  // namespace packtest

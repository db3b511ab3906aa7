#include "support/test_archive.h"

#include "resources/archive_reader.h"
#include "resources/crc32.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace {

void put16(Bytes& out, uint32_t v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void put32(Bytes& out, uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

uint32_t crcOf(const uint8_t* bytes, size_t count) { return ~crc32Update(0xFFFFFFFFu, bytes, count); }

// Fills in the header CRC (low 16 bits of the CRC-32 of the header after its CRC field).
void sealHeader(Bytes& header)
{
    uint32_t crc = crcOf(header.data() + 2, header.size() - 2);
    header[0] = uint8_t(crc);
    header[1] = uint8_t(crc >> 8);
}

constexpr uint32_t fixedDosTime = 0x50210000;  // 2020-01-01 00:00

}  // namespace

Bytes TestArchive::rarMarker()
{
    static const uint8_t marker[7] = {0x52, 0x61, 0x72, 0x21, 0x1A, 0x07, 0x00};
    return Bytes(marker, marker + 7);
}

Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

TestArchive& TestArchive::mainFlags(uint16_t flags)
{
    mainFlags_ = flags;
    return *this;
}

TestArchive& TestArchive::marker(const Bytes& sevenBytes)
{
    marker_ = sevenBytes;
    return *this;
}

TestArchive& TestArchive::mainHeaderExtra(const Bytes& bytes)
{
    mainExtra_ = bytes;
    return *this;
}

TestArchive& TestArchive::entry(const TestEntry& e)
{
    const Bytes& data = e.dataArea ? *e.dataArea : e.content;
    Bytes header = {0, 0, 0x74};
    put16(header, e.flags);
    put16(header, e.headerSize ? *e.headerSize : uint16_t(32 + e.name.size()));
    put32(header, e.packedSize ? *e.packedSize : uint32_t(data.size()));
    put32(header, e.unpackedSize ? *e.unpackedSize : uint32_t(e.content.size()));
    header.push_back(2);  // host system: Win32
    put32(header, e.crc ? *e.crc : crcOf(e.content.data(), e.content.size()));
    put32(header, fixedDosTime);
    header.push_back(e.unpackVersion);
    header.push_back(e.method);
    put16(header, uint16_t(e.name.size()));
    put32(header, 0x20);  // attributes: archive
    header.insert(header.end(), e.name.begin(), e.name.end());
    if (e.headerSize && *e.headerSize > header.size()) header.resize(*e.headerSize, 0);
    sealHeader(header);
    body_.insert(body_.end(), header.begin(), header.end());
    body_.insert(body_.end(), data.begin(), data.end());
    return *this;
}

TestArchive& TestArchive::stored(const std::string& name, const std::string& content)
{
    TestEntry e;
    e.name = name;
    e.content = bytesOf(content);
    return entry(e);
}

TestArchive& TestArchive::block(uint8_t type, uint16_t flags, const Bytes& extraHeader, const Bytes& data)
{
    bool hasData = flags & 0x8000;
    Bytes header = {0, 0, type};
    put16(header, flags);
    put16(header, uint16_t(7 + (hasData ? 4 : 0) + extraHeader.size()));
    if (hasData) put32(header, uint32_t(data.size()));
    header.insert(header.end(), extraHeader.begin(), extraHeader.end());
    sealHeader(header);
    body_.insert(body_.end(), header.begin(), header.end());
    if (hasData) body_.insert(body_.end(), data.begin(), data.end());
    return *this;
}

TestArchive& TestArchive::endOfArchive() { return block(0x77, 0); }

TestArchive& TestArchive::raw(const Bytes& bytes)
{
    body_.insert(body_.end(), bytes.begin(), bytes.end());
    return *this;
}

Bytes TestArchive::build() const
{
    Bytes out = marker_;
    Bytes main = {0, 0, 0x73};
    put16(main, mainFlags_);
    put16(main, uint16_t(13 + mainExtra_.size()));
    put16(main, 0);
    put32(main, 0);
    main.insert(main.end(), mainExtra_.begin(), mainExtra_.end());
    sealHeader(main);
    out.insert(out.end(), main.begin(), main.end());
    out.insert(out.end(), body_.begin(), body_.end());
    return out;
}

bool TestArchive::writeTo(const std::string& path) const
{
    Bytes bytes = build();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

void BitWriter::put(uint32_t value, int bitCount)
{
    for (int i = bitCount - 1; i >= 0; --i) {
        if (bits_ % 8 == 0) bytes_.push_back(0);
        if ((value >> i) & 1) bytes_.back() |= uint8_t(0x80 >> (bits_ % 8));
        ++bits_;
    }
}

CanonicalCode::CanonicalCode(const std::vector<uint8_t>& lengths) : lengths_(lengths), codes_(lengths.size(), 0)
{
    uint32_t count[16] = {};
    for (uint8_t length : lengths) ++count[length & 15];
    count[0] = 0;
    uint32_t next[16] = {};
    uint32_t code = 0;
    for (int bits = 1; bits < 16; ++bits) {
        code = (code + count[bits - 1]) << 1;
        next[bits] = code;
    }
    for (size_t s = 0; s < lengths.size(); ++s)
        if (lengths[s] & 15) codes_[s] = next[lengths[s] & 15]++;
}

void CanonicalCode::write(BitWriter& out, uint32_t symbol) const
{
    uint8_t length = lengths_.at(symbol) & 15;
    if (length == 0) throw std::logic_error("symbol has no code");
    out.put(codes_[symbol], length);
}

void RarStreamWriter::tableRead(uint32_t headerBits, int headerBitCount, const std::vector<uint8_t>& lengths)
{
    out_.put(headerBits, headerBitCount);
    for (int i = 0; i < 19; ++i) out_.put(5, 4);  // every bit-length symbol 5 bits: its code is its value
    bool delta = (headerBits >> (headerBitCount - 2)) & 1;
    if (!delta) std::fill(previous_.begin(), previous_.end(), 0);
    std::vector<uint8_t> work(1028, 0);
    for (size_t i = 0; i < lengths.size(); ++i) {
        out_.put((lengths[i] - previous_[i]) & 15, 5);
        work[i] = lengths[i];
    }
    previous_ = work;
}

void RarStreamWriter::lzTables(const std::vector<uint8_t>& lengths, bool delta)
{
    tableRead(delta ? 1 : 0, 2, lengths);
    useLzLengths(lengths);
}

void RarStreamWriter::useLzLengths(const std::vector<uint8_t>& lengths)
{
    codes_.assign(3, CanonicalCode({}));
    codes_[0] = CanonicalCode(std::vector<uint8_t>(lengths.begin(), lengths.begin() + 298));
    codes_[1] = CanonicalCode(std::vector<uint8_t>(lengths.begin() + 298, lengths.begin() + 346));
    codes_[2] = CanonicalCode(std::vector<uint8_t>(lengths.begin() + 346, lengths.begin() + 374));
}

void RarStreamWriter::audioTables(int channels, const std::vector<uint8_t>& lengths, bool delta)
{
    tableRead(0x8 | (delta ? 4 : 0) | uint32_t(channels - 1), 4, lengths);
    useAudioLengths(channels, lengths);
}

void RarStreamWriter::useAudioLengths(int channels, const std::vector<uint8_t>& lengths)
{
    codes_.assign(3 + channels, CanonicalCode({}));
    for (int c = 0; c < channels; ++c)
        codes_[3 + c] = CanonicalCode(std::vector<uint8_t>(lengths.begin() + c * 257, lengths.begin() + (c + 1) * 257));
}

void RarStreamWriter::symbol(int table, uint32_t symbol) { codes_.at(table).write(out_, symbol); }

namespace {

const uint32_t lengthBase[28] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 12, 14, 16, 20,
                                 24, 28, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224};
const int lengthBits[28] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5};

// The slot and extra value of a length above its base.
std::pair<uint32_t, uint32_t> lengthSlot(uint32_t value)
{
    for (int slot = 27; slot >= 0; --slot)
        if (lengthBase[slot] <= value && value - lengthBase[slot] < (1u << lengthBits[slot])) return {slot, value - lengthBase[slot]};
    throw std::logic_error("length not encodable");
}

}  // namespace

void RarStreamWriter::match(uint32_t length, uint32_t distance)
{
    uint32_t bonus = (distance >= 0x40000) + (distance >= 0x2000);
    if (length < 3 + bonus) throw std::logic_error("match too short");
    auto [slot, extraValue] = lengthSlot(length - bonus - 3);
    symbol(0, 270 + slot);
    out_.put(extraValue, lengthBits[slot]);
    uint32_t base = 0, code = 0;
    int bits = 0;
    for (uint32_t c = 0, b = 0; c < 48; ++c) {
        int cBits = c < 4 ? 0 : (c < 34 ? int(c / 2 - 1) : 16);
        if (b + 1 <= distance) base = b, code = c, bits = cBits;
        b += 1u << cBits;
    }
    if (distance - base - 1 >= (1u << bits)) throw std::logic_error("distance not encodable");
    symbol(1, code);
    out_.put(distance - base - 1, bits);
}

void RarStreamWriter::repeatDistance(uint32_t symbolValue, uint32_t length, uint32_t distance)
{
    uint32_t bonus = (distance >= 0x40000) + (distance >= 0x2000) + (distance >= 0x101);
    if (length < 2 + bonus) throw std::logic_error("repeat too short");
    auto [slot, extraValue] = lengthSlot(length - bonus - 2);
    symbol(0, symbolValue);
    symbol(2, slot);
    out_.put(extraValue, lengthBits[slot]);
}

std::vector<uint8_t> flatLzLengths()
{
    std::vector<uint8_t> lengths(RarStreamWriter::lzTableSize, 0);
    std::fill(lengths.begin(), lengths.begin() + 298, 9);
    std::fill(lengths.begin() + 298, lengths.begin() + 346, 6);
    std::fill(lengths.begin() + 346, lengths.end(), 5);
    return lengths;
}

void OutputModel::match(uint32_t length, uint32_t distance)
{
    for (uint32_t i = 0; i < length; ++i) out_.push_back(out_.at(out_.size() - distance));
}

bool unarAvailable() { return std::system("command -v unar >/dev/null 2>&1") == 0; }

std::optional<Bytes> unarExtract(const std::string& archivePath, const std::string& entryName)
{
    TempFile dir{"unar"};
    std::filesystem::create_directories(dir.path());
    std::string command = "unar -q -f -D -o '" + dir.path() + "' '" + archivePath + "' >/dev/null 2>&1";
    int status = std::system(command.c_str());
    std::string relative = entryName;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    std::ifstream in(std::filesystem::path(dir.path()) / relative, std::ios::binary);
    std::optional<Bytes> result;
    if (status == 0 && in) result = Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    std::error_code ignored;
    std::filesystem::remove_all(dir.path(), ignored);
    return result;
}

ExtractResult extractFrom(const Bytes& archive, const char* name)
{
    TempFile file{"extract"};
    ExtractResult out;
    if (!file.write(archive)) return out;
    uint8_t* data = nullptr;
    uint32_t size = 0;
    out.result = extractFile(name, file.path().c_str(), &data, &size);
    if (data) out.bytes.assign(data, data + size);
    delete[] data;
    return out;
}

TempFile::TempFile(const std::string& stem)
{
    static int counter = 0;
    path_ = (std::filesystem::temp_directory_path() /
             ("vantrelle-" + stem + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".rar"))
                .string();
}

TempFile::~TempFile()
{
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

bool TempFile::write(const Bytes& bytes) const
{
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

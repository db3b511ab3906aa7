#pragma once
// Builds RAR 1.5-2.0 archives byte by byte for tests, including shapes no packer would write.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

Bytes bytesOf(const std::string& text);

struct TestEntry {
    std::string name;
    Bytes content;                 // the bytes the entry should extract to (sizes and CRC by default)
    std::optional<Bytes> dataArea; // the raw data area; the content itself when not given
    uint8_t method = 0x30;         // '0' stored; '1'..'5' compressed
    uint8_t unpackVersion = 20;
    uint16_t flags = 0x8000;       // 0x8000 data follows; 0x0010 continues the solid state
    std::optional<uint32_t> unpackedSize;
    std::optional<uint32_t> packedSize;
    std::optional<uint32_t> crc;   // CRC-32 of content unless given
    std::optional<uint16_t> headerSize;
};

class TestArchive {
public:
    static Bytes rarMarker();
    static constexpr uint16_t solidFlag = 0x0008;

    TestArchive& mainFlags(uint16_t flags);
    TestArchive& marker(const Bytes& sevenBytes);
    TestArchive& mainHeaderExtra(const Bytes& bytes);  // e.g. a comment after the 13 bytes
    TestArchive& entry(const TestEntry& entry);
    TestArchive& stored(const std::string& name, const std::string& content);
    // A non-file block: type, flags, extra header bytes, and a data area (counted when 0x8000 is set).
    TestArchive& block(uint8_t type, uint16_t flags, const Bytes& extraHeader = {}, const Bytes& data = {});
    TestArchive& endOfArchive();  // a block of type 0x77
    TestArchive& raw(const Bytes& bytes);

    Bytes build() const;
    bool writeTo(const std::string& path) const;

private:
    Bytes marker_ = rarMarker();
    uint16_t mainFlags_ = 0;
    Bytes mainExtra_;
    Bytes body_;
};

// MSB-first bit writer: the order the RAR 2.0 decoder reads its input in.
class BitWriter {
public:
    void put(uint32_t value, int bitCount);
    size_t bitCount() const { return bits_; }
    Bytes bytes() const { return bytes_; }  // padded with zero bits to a whole byte

private:
    Bytes bytes_;
    size_t bits_ = 0;
};

// Canonical prefix codes as the decoder assigns them (by length, then by symbol value).
class CanonicalCode {
public:
    explicit CanonicalCode(const std::vector<uint8_t>& lengths);
    void write(BitWriter& out, uint32_t symbol) const;
    uint8_t length(uint32_t symbol) const { return lengths_.at(symbol); }

private:
    std::vector<uint8_t> lengths_;
    std::vector<uint32_t> codes_;
};

// Writes RAR 2.0 compressed streams by hand: table reads and symbols.
class RarStreamWriter {
public:
    static constexpr size_t lzTableSize = 374;  // 298 literal/length + 48 distance + 28 repeat-length

    // A table read. lengths: 374 entries (LZ) or channels x 257 (audio). With delta set, every
    // length is written relative to the previous table set, as the decoder adds them.
    void lzTables(const std::vector<uint8_t>& lengths, bool delta = false);
    void audioTables(int channels, const std::vector<uint8_t>& lengths, bool delta = false);
    // Low level: the 2 (LZ) or 4 (audio) header bits, then the lengths with a flat bit-length code.
    void tableRead(uint32_t headerBits, int headerBitCount, const std::vector<uint8_t>& lengths);

    // The codes of a table read the test wrote by hand with bits().
    void useLzLengths(const std::vector<uint8_t>& lengths);
    void useAudioLengths(int channels, const std::vector<uint8_t>& lengths);

    void literal(uint32_t byte) { symbol(0, byte); }
    void symbol(int table, uint32_t symbol);  // table: 0 literal/length, 1 distance, 2 repeat, or 3+c audio c
    // A match by symbols 270..297, length as the decoder will copy it (its distance bonus included).
    void match(uint32_t length, uint32_t distance);
    // Symbols 257..260: one of the last four distances, with the length as copied.
    void repeatDistance(uint32_t symbol, uint32_t length, uint32_t distance);
    void extra(uint32_t value, int bitCount) { out_.put(value, bitCount); }
    void bits(uint32_t value, int bitCount) { out_.put(value, bitCount); }

    Bytes bytes() const { return out_.bytes(); }
    size_t bitCount() const { return out_.bitCount(); }

private:
    BitWriter out_;
    std::vector<uint8_t> previous_ = std::vector<uint8_t>(1028, 0);
    std::vector<CanonicalCode> codes_;
};

// Flat LZ lengths: every literal/length symbol 9 bits, distance 6 bits, repeat-length 5 bits.
std::vector<uint8_t> flatLzLengths();

// Applies LZ operations to a plain buffer: what a decoder must produce.
class OutputModel {
public:
    void literal(uint8_t byte) { out_.push_back(byte); }
    void literals(const std::string& text) { out_.insert(out_.end(), text.begin(), text.end()); }
    void match(uint32_t length, uint32_t distance);
    const Bytes& bytes() const { return out_; }

private:
    Bytes out_;
};

// The independent decoder: unar extracts one entry of an archive (path inside the archive with
// backslashes). Empty when unar is missing or fails.
bool unarAvailable();
std::optional<Bytes> unarExtract(const std::string& archivePath, const std::string& entryName);

// extractFile over archive bytes written to a temporary file.
struct ExtractResult {
    int result = 0;
    Bytes bytes;
};
ExtractResult extractFrom(const Bytes& archive, const char* name);

// A file that removes itself.
class TempFile {
public:
    explicit TempFile(const std::string& stem = "archive");
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& path() const { return path_; }
    bool write(const Bytes& bytes) const;

private:
    std::string path_;
};

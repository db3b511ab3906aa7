// The LZ side of the RAR 2.0 decoder, over small hand-made bit streams.
#include "support/test_archive.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr uint8_t compressed = 0x33;

TestEntry packedEntry(const std::string& name, const Bytes& content, const Bytes& stream, uint16_t flags = 0x8000)
{
    TestEntry e;
    e.name = name;
    e.content = content;
    e.dataArea = stream;
    e.method = compressed;
    e.flags = flags;
    return e;
}

RarStreamWriter flatStream()
{
    RarStreamWriter w;
    w.lzTables(flatLzLengths());
    return w;
}

// Our decoder gives the expected bytes, and so does unar on the same archive.
void expectDecodes(const Bytes& archive, const char* name, const Bytes& expected, bool crossCheck = true)
{
    ExtractResult got = extractFrom(archive, name);
    EXPECT_EQ(got.result, 1) << name;
    EXPECT_TRUE(got.bytes == expected) << name << ": " << got.bytes.size() << " bytes, expected " << expected.size();
    if (!crossCheck || !unarAvailable()) return;
    TempFile file{"crosscheck"};
    ASSERT_TRUE(file.write(archive));
    std::optional<Bytes> theirs = unarExtract(file.path(), name);
    ASSERT_TRUE(theirs.has_value()) << "unar could not extract " << name;
    EXPECT_TRUE(*theirs == expected) << "unar disagrees on " << name;
}

void expectDecodes(const TestEntry& entry, const Bytes& expected)
{
    expectDecodes(TestArchive().entry(entry).build(), entry.name.c_str(), expected);
}

TEST(RarDecoder, DistanceOneRepeatsTheLiteral)
{
    RarStreamWriter w = flatStream();
    w.literal('A');
    w.symbol(0, 277);  // length slot 7: 10
    w.symbol(1, 0);    // distance 1
    expectDecodes(packedEntry("run.txt", bytesOf(std::string(11, 'A')), w.bytes()), bytesOf(std::string(11, 'A')));
}

TEST(RarDecoder, RepeatOfLastMatchReusesAndPushesItsDistance)
{
    RarStreamWriter w = flatStream();
    OutputModel m;
    w.literal('a'), w.literal('b'), w.literal('c'), w.literal('d');
    m.literals("abcd");
    w.match(3, 4), m.match(3, 4);
    w.match(3, 2), m.match(3, 2);
    w.symbol(0, 256), m.match(3, 2);            // same length and distance
    w.repeatDistance(258, 2, 2), m.match(2, 2);  // second most recent is 2 only if 256 pushed it
    expectDecodes(packedEntry("repeat.txt", m.bytes(), w.bytes()), m.bytes());
}

TEST(RarDecoder, LastFourDistancesPickedBy257To260)
{
    const std::pair<uint32_t, uint32_t> cases[] = {{257, 10}, {258, 7}, {259, 5}, {260, 1}};
    for (auto [symbol, distance] : cases) {
        SCOPED_TRACE(symbol);
        RarStreamWriter w = flatStream();
        OutputModel m;
        for (char c : std::string("abcdefghij")) w.literal(uint8_t(c)), m.literal(uint8_t(c));
        for (uint32_t d : {1u, 5u, 7u, 10u}) w.match(3, d), m.match(3, d);
        w.repeatDistance(symbol, 2, distance), m.match(2, distance);
        expectDecodes(packedEntry("ring.txt", m.bytes(), w.bytes()), m.bytes());
    }
}

TEST(RarDecoder, ShortDistances)
{
    const std::tuple<uint32_t, uint32_t, uint32_t> cases[] = {{261, 0, 1}, {261, 3, 4}, {264, 5, 22}, {268, 63, 256}};
    for (auto [symbol, extraValue, distance] : cases) {
        SCOPED_TRACE(symbol);
        RarStreamWriter w = flatStream();
        OutputModel m;
        for (int i = 0; i < 300; ++i) w.literal(uint8_t(i * 37)), m.literal(uint8_t(i * 37));
        w.symbol(0, symbol);
        w.extra(extraValue, symbol == 261 ? 2 : (symbol == 264 ? 4 : 6));
        m.match(2, distance);
        expectDecodes(packedEntry("short.bin", m.bytes(), w.bytes()), m.bytes());
    }
}

TEST(RarDecoder, LongestMatchAtAFarDistance)
{
    RarStreamWriter w = flatStream();
    OutputModel m;
    for (char c : std::string("0123456789")) w.literal(uint8_t(c)), m.literal(uint8_t(c));
    for (int i = 0; i < 1017; ++i) w.match(258, 1), m.match(258, 1);
    uint32_t distance = uint32_t(m.bytes().size());  // back to the very first byte
    ASSERT_GE(distance, 262144u);
    w.symbol(0, 297);
    w.extra(31, 5);
    w.symbol(1, 36);
    w.extra(distance - 262145, 16);
    m.match(224 + 3 + 31 + 2, distance);
    Bytes expected = m.bytes();
    ASSERT_EQ(std::string(expected.end() - 260, expected.end() - 250), "0123456789");
    expectDecodes(packedEntry("far.bin", expected, w.bytes()), expected);
}

TEST(RarDecoder, DeltaTableReadAddsToThePreviousLengths)
{
    RarStreamWriter w = flatStream();
    w.literal('x');
    w.symbol(0, 269);
    std::vector<uint8_t> lengths = flatLzLengths();
    for (int s = 0; s < 128; ++s) lengths[s] = 8;
    for (int s = 256; s < 298; ++s) lengths[s] = 10;
    lengths[298 + 5] = 0;
    w.lzTables(lengths, true);
    w.literal('y'), w.literal(200);
    w.match(4, 2);
    Bytes expected = {'x', 'y', 200, 'y', 200, 'y', 200};
    expectDecodes(packedEntry("delta.bin", expected, w.bytes()), expected);
}

TEST(RarDecoder, TableReadWithRunCodes)
{
    // A repeat code at position 0 has no previous length: it repeats 0. unar refuses that
    // stream, so only the other form is cross-checked.
    for (bool repeatAtStart : {false, true}) {
        SCOPED_TRACE(repeatAtStart);
        RarStreamWriter w;
        w.bits(0, 2);                               // LZ, not delta
        for (int i = 0; i < 19; ++i) w.bits(5, 4);  // bit-length code: symbol s is s in 5 bits
        if (repeatAtStart) w.bits(16, 5), w.bits(0, 2);  // three lengths of 0
        else w.bits(17, 5), w.bits(0, 3);                // three zeros
        w.bits(9, 5);                                    // symbol 3: 9
        for (int i = 0; i < 42; ++i) w.bits(16, 5), w.bits(3, 2);  // 252 more of 9: up to 255
        w.bits(18, 5), w.bits(31, 7);                    // 42 zeros: 256..297
        w.bits(6, 5);                                    // distance 0: 6
        for (int i = 0; i < 7; ++i) w.bits(16, 5), w.bits(3, 2);
        w.bits(16, 5), w.bits(2, 2);                     // 47 more of 6
        w.bits(18, 5), w.bits(127, 7);                   // 138 zeros, cut at the table's end
        std::vector<uint8_t> lengths(374, 0);
        std::fill(lengths.begin() + 3, lengths.begin() + 256, 9);
        std::fill(lengths.begin() + 298, lengths.begin() + 346, 6);
        w.useLzLengths(lengths);
        for (char c : std::string("hello")) w.literal(uint8_t(c));
        Bytes expected = bytesOf("hello");
        expectDecodes(TestArchive().entry(packedEntry("runs.txt", expected, w.bytes())).build(), "runs.txt", expected,
                      !repeatAtStart);
    }
}

TEST(RarDecoder, EmptyEntryReadsItsTablesForTheNext)
{
    RarStreamWriter first = flatStream();
    RarStreamWriter second = flatStream();  // the same tables, carried over: only symbols are written
    Bytes secondStream;
    {
        RarStreamWriter symbolsOnly;
        symbolsOnly.useLzLengths(flatLzLengths());
        for (char c : std::string("abc")) symbolsOnly.literal(uint8_t(c));
        secondStream = symbolsOnly.bytes();
    }
    Bytes archive = TestArchive()
                        .mainFlags(TestArchive::solidFlag)
                        .entry(packedEntry("empty.bin", {}, first.bytes()))
                        .entry(packedEntry("next.txt", bytesOf("abc"), secondStream, 0x8010))
                        .build();
    expectDecodes(archive, "empty.bin", {});
    expectDecodes(archive, "next.txt", bytesOf("abc"));
}

TEST(RarDecoder, SolidEntryContinuesWindowRingAndTables)
{
    RarStreamWriter w1 = flatStream();
    OutputModel m;
    for (char c : std::string("hello, ")) w1.literal(uint8_t(c)), m.literal(uint8_t(c));
    w1.match(5, 7), m.match(5, 7);
    size_t firstSize = m.bytes().size();
    RarStreamWriter w2;
    w2.useLzLengths(flatLzLengths());
    w2.repeatDistance(257, 5, 7), m.match(5, 7);  // the distance of the first entry's match
    w2.match(6, 17), m.match(6, 17);
    w2.literal('!'), m.literal('!');
    Bytes first(m.bytes().begin(), m.bytes().begin() + firstSize);
    Bytes second(m.bytes().begin() + firstSize, m.bytes().end());
    TestEntry e1 = packedEntry("one.txt", first, w1.bytes());
    TestEntry e2 = packedEntry("two.txt", second, w2.bytes(), 0x8010);
    Bytes solid = TestArchive().mainFlags(TestArchive::solidFlag).entry(e1).entry(e2).build();
    expectDecodes(solid, "one.txt", first);
    expectDecodes(solid, "two.txt", second);
    // Without the solid flag the continued entry is the first decoded: it starts from scratch and fails.
    Bytes plain = TestArchive().entry(e1).entry(e2).build();
    EXPECT_EQ(extractFrom(plain, "two.txt").result, 0);
    EXPECT_EQ(extractFrom(plain, "one.txt").result, 1);
}

// Literals of 9 bits and short matches of 11 bits, chosen so that the stream fills exactly
// byteCount bytes: the last code ends on the last bit of the data area.
RarStreamWriter exactStream(size_t byteCount, OutputModel& m)
{
    RarStreamWriter w = flatStream();
    size_t bitsLeft = byteCount * 8 - w.bitCount();
    size_t shortMatches = 0;
    while ((bitsLeft - 11 * shortMatches) % 9 != 0) ++shortMatches;
    for (size_t i = 0; i < (bitsLeft - 11 * shortMatches) / 9; ++i) {
        uint8_t byte = uint8_t((i * 131) ^ (i >> 3));
        w.literal(byte), m.literal(byte);
    }
    for (size_t i = 0; i < shortMatches; ++i) w.symbol(0, 261), w.extra(3, 2), m.match(2, 4);
    return w;
}

TEST(RarDecoder, LastCodeEndingOnTheLastByteStillDecodes)
{
    for (size_t size : {size_t(257), size_t(8191), size_t(8192), size_t(8193), size_t(16352), size_t(16353), size_t(30000)}) {
        SCOPED_TRACE(size);
        OutputModel m;
        RarStreamWriter w = exactStream(size, m);
        Bytes stream = w.bytes();
        ASSERT_EQ(stream.size(), size);
        ASSERT_EQ(w.bitCount(), size * 8);
        expectDecodes(packedEntry("exact.bin", m.bytes(), stream), m.bytes());
        Bytes cut(stream.begin(), stream.end() - 1);  // the last code now runs past the end
        EXPECT_EQ(extractFrom(TestArchive().entry(packedEntry("cut.bin", m.bytes(), cut)).build(), "cut.bin").result, 0);
    }
}

TEST(RarDecoder, EntryLargerThanTheWindowWraps)
{
    RarStreamWriter w = flatStream();
    OutputModel m;
    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    while (m.bytes().size() < 1300000) {
        uint8_t byte = uint8_t(next() >> 16);
        w.literal(byte), m.literal(byte);
        uint32_t reach = uint32_t(std::min<size_t>(m.bytes().size(), 1048576));
        uint32_t distance = 1 + (next() >> 8) % reach;
        w.match(200, distance), m.match(200, distance);
    }
    w.symbol(0, 297), w.extra(31, 5), w.symbol(1, 47), w.extra(65535, 16);  // 1048576: the byte being written
    m.match(260, 1048576);
    expectDecodes(packedEntry("wrap.bin", m.bytes(), w.bytes()), m.bytes());
}

TEST(RarDecoder, ImpossibleOrDamagedEntriesFail)
{
    RarStreamWriter w = flatStream();
    for (char c : std::string("abcdef")) w.literal(uint8_t(c));
    TestEntry huge = packedEntry("huge.bin", bytesOf("abcdef"), w.bytes());
    huge.unpackedSize = 0xFFFFFFF0u;  // far more than the data area could ever decode to
    EXPECT_EQ(extractFrom(TestArchive().entry(huge).build(), "huge.bin").result, 0);

    TestEntry overshoot = packedEntry("over.bin", bytesOf("abc"), {});
    RarStreamWriter o = flatStream();
    o.literal('a'), o.match(10, 1);  // the match runs past the declared 3 bytes
    overshoot.dataArea = o.bytes();
    EXPECT_EQ(extractFrom(TestArchive().entry(overshoot).build(), "over.bin").result, 0);

    Bytes noise(5000);
    for (size_t i = 0; i < noise.size(); ++i) noise[i] = uint8_t((i * 2654435761u) >> 13);
    TestEntry garbage = packedEntry("noise.bin", Bytes(100000, 1), noise);
    EXPECT_EQ(extractFrom(TestArchive().entry(garbage).build(), "noise.bin").result, 0);
}

}  // namespace

// Writes seed corpora for the fuzzers: fuzz_seeds EXTRACT_DIR READLINE_DIR.
#include "support/test_archive.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

void save(const std::string& dir, const std::string& name, const Bytes& bytes)
{
    std::ofstream out(dir + "/" + name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

TestEntry packed(const std::string& name, const OutputModel& model, size_t from, const RarStreamWriter& w, uint16_t flags)
{
    TestEntry e;
    e.name = name;
    e.content = Bytes(model.bytes().begin() + long(from), model.bytes().end());
    e.dataArea = w.bytes();
    e.method = 0x33;
    e.flags = flags;
    return e;
}

// a.txt, b.bin and c\dat compressed, b and c continuing the state of the entry before.
Bytes solidChain()
{
    OutputModel m;
    RarStreamWriter a;
    a.lzTables(flatLzLengths());
    for (char c : std::string("hello, world; hello again\n")) a.literal(uint8_t(c)), m.literal(uint8_t(c));
    a.match(5, 14), m.match(5, 14);
    TestEntry ea = packed("a.txt", m, 0, a, 0x8000);
    size_t bStart = m.bytes().size();
    RarStreamWriter b;
    b.useLzLengths(flatLzLengths());
    b.repeatDistance(257, 4, 14), m.match(4, 14);
    b.symbol(0, 256), m.match(5, 14);
    b.symbol(0, 262), b.extra(1, 2), m.match(2, 6);
    b.symbol(0, 269);
    std::vector<uint8_t> lengths = flatLzLengths();
    for (int s = 0; s < 64; ++s) lengths[s] = 8;
    b.lzTables(lengths, true);
    for (int i = 0; i < 40; ++i) b.literal(uint8_t(i)), m.literal(uint8_t(i));
    b.match(20, 30), m.match(20, 30);
    TestEntry eb = packed("b.bin", m, bStart, b, 0x8010);
    size_t cStart = m.bytes().size();
    RarStreamWriter c;
    c.useLzLengths(lengths);
    c.literal('z'), m.literal('z');
    TestEntry ec = packed("c\\dat", m, cStart, c, 0x8010);
    return TestArchive().mainFlags(TestArchive::solidFlag).entry(ea).entry(eb).entry(ec).build();
}

Bytes audioEntry()
{
    RarStreamWriter w;
    w.audioTables(3, std::vector<uint8_t>(3 * 257, 9));
    for (int i = 0; i < 200; ++i) w.symbol(3 + i % 3, uint32_t(i * 7) & 0xFF);
    w.symbol(3 + 2, 256);
    w.audioTables(2, std::vector<uint8_t>(2 * 257, 9));
    for (int i = 0; i < 64; ++i) w.symbol(3 + i % 2, uint32_t(i) & 0xFF);
    TestEntry e;
    e.name = "b.bin";
    e.content = Bytes(264, 0);  // the CRC is not the point: the decoding path is
    e.dataArea = w.bytes();
    e.method = 0x35;
    return TestArchive().stored("a.txt", "first\n").entry(e).build();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_seeds EXTRACT_DIR READLINE_DIR\n");
        return 2;
    }
    std::string extractDir = argv[1], lineDir = argv[2];
    save(extractDir, "stored.rar", TestArchive().stored("a.txt", "alpha\n").stored("b.bin", "\x01\x02\x03").stored("c\\dat", "see").build());
    save(extractDir, "blocks.rar",
         TestArchive().block(0x75, 0, bytesOf("note")).stored("a.txt", "a").block(0x7A, 0x8000, {}, bytesOf("sub"))
             .stored("b.bin", "bb").endOfArchive().stored("c/dat", "c").build());
    save(extractDir, "mardok.rar", TestArchive().marker(bytesOf("Mardok!")).mainFlags(TestArchive::solidFlag).stored("b.bin", "m").build());
    save(extractDir, "solid.rar", solidChain());
    save(extractDir, "audio.rar", audioEntry());

    save(lineDir, "script.txt", bytesOf(std::string("\x7F") + "begin\r\n  position V(1 2 3)\n\tmaterial\r\nend\nENV_END"));
    save(lineDir, "short.txt", bytesOf(std::string("\x84") + "a b\r\n  c\r\n" + std::string(40, 'x') + "\n"));
    save(lineDir, "empty.txt", bytesOf("\x01"));
    return 0;
}

#include "resources/archive_reader.h"
#include "support/test_archive.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Extracted {
    int result = 0;
    std::string bytes;
    uint32_t size = 0;
};

Extracted extract(const Bytes& archive, const char* name)
{
    TempFile file{"reader"};
    EXPECT_TRUE(file.write(archive));
    uint8_t* data = reinterpret_cast<uint8_t*>(1);
    Extracted out;
    out.result = extractFile(name, file.path().c_str(), &data, &out.size);
    if (data) out.bytes.assign(reinterpret_cast<char*>(data), out.size);
    else EXPECT_EQ(out.size, 0u);
    delete[] data;
    return out;
}

void expectFound(const Bytes& archive, const char* name, const std::string& content)
{
    Extracted got = extract(archive, name);
    EXPECT_EQ(got.result, 1) << name;
    EXPECT_EQ(got.bytes, content) << name;
    EXPECT_EQ(got.size, content.size()) << name;
}

void expectFailure(const Bytes& archive, const char* name)
{
    Extracted got = extract(archive, name);
    EXPECT_EQ(got.result, 0) << name;
    EXPECT_EQ(got.size, 0u) << name;
}

TestEntry storedEntry(const std::string& name, const std::string& content)
{
    TestEntry e;
    e.name = name;
    e.content = bytesOf(content);
    return e;
}

TEST(ArchiveReader, NameMatchingIgnoresCaseAndSeparatorKind)
{
    Bytes archive = TestArchive().stored("env.txt", "E").stored("meshes\\env.dat", "M").build();
    for (const char* name : {"meshes\\env.dat", "meshes/env.dat", "meshes_env.dat", "MESHES\\ENV.DAT", "Meshes/Env.Dat"})
        expectFound(archive, name, "M");
    for (const char* name : {"meshes\\env.da", "meshes\\env.datx", "meshes.env.dat", "env.txt\\"})
        expectFailure(archive, name);
}

TEST(ArchiveReader, FirstOfTwoMatchingNamesWins)
{
    Bytes archive = TestArchive().stored("a/b.txt", "first").stored("A_B.TXT", "second").build();
    expectFound(archive, "a\\b.txt", "first");
}

TEST(ArchiveReader, BlockOfType77EndsTheScan)
{
    Bytes archive = TestArchive().stored("before.txt", "1").endOfArchive().stored("after.txt", "2").build();
    expectFound(archive, "before.txt", "1");
    expectFailure(archive, "after.txt");
}

TEST(ArchiveReader, OtherBlockTypesAreSkipped)
{
    Bytes archive = TestArchive()
                        .block(0x75, 0, bytesOf("comment"))
                        .stored("one.txt", "1")
                        .block(0x78, 0x8000, bytesOf("rr"), Bytes(300, 0x74))  // data area full of 0x74
                        .block(0x7A, 0x8000, {}, bytesOf("subdata"))
                        .stored("two.txt", "22")
                        .build();
    expectFound(archive, "one.txt", "1");
    expectFound(archive, "two.txt", "22");
}

TEST(ArchiveReader, MainHeaderExtraIsSkipped)
{
    Bytes archive = TestArchive().mainHeaderExtra(Bytes(40, 0x74)).stored("a.txt", "a").build();
    expectFound(archive, "a.txt", "a");
}

TEST(ArchiveReader, DataAreaStartsAtTheHeaderSize)
{
    TestEntry e = storedEntry("long.txt", "payload");
    e.headerSize = 32 + 8 + 6;  // extra fields after the name
    expectFound(TestArchive().entry(e).stored("next.txt", "n").build(), "long.txt", "payload");
}

TEST(ArchiveReader, MardokMarkerIsAccepted)
{
    Bytes archive = TestArchive().marker(bytesOf("Mardok!")).stored("a.txt", "a").build();
    expectFound(archive, "a.txt", "a");
}

TEST(ArchiveReader, EmptyStoredEntry)
{
    expectFound(TestArchive().stored("empty.txt", "").build(), "empty.txt", "");
}

TEST(ArchiveReader, UnpackVersionOutsideThirteenToTwenty)
{
    for (uint8_t version : {uint8_t(12), uint8_t(21), uint8_t(0), uint8_t(29)}) {
        SCOPED_TRACE(int(version));
        TestEntry bad = storedEntry("bad.txt", "b");
        bad.unpackVersion = version;
        Bytes plain = TestArchive().entry(bad).stored("good.txt", "g").build();
        expectFailure(plain, "bad.txt");
        expectFound(plain, "good.txt", "g");  // not processed in a non-solid archive
        Bytes solid = TestArchive().mainFlags(TestArchive::solidFlag).entry(bad).stored("good.txt", "g").build();
        expectFailure(solid, "good.txt");
    }
    for (uint8_t version : {uint8_t(13), uint8_t(15), uint8_t(20)}) {
        TestEntry ok = storedEntry("ok.txt", "o");
        ok.unpackVersion = version;
        expectFound(TestArchive().mainFlags(TestArchive::solidFlag).entry(ok).build(), "ok.txt", "o");
    }
}

TEST(ArchiveReader, CrcMismatchFails)
{
    TestEntry wrongCrc = storedEntry("a.txt", "abc");
    wrongCrc.crc = 0x12345678;
    expectFailure(TestArchive().entry(wrongCrc).build(), "a.txt");

    TestEntry shortData = storedEntry("b.txt", "abcdef");
    shortData.packedSize = 3;
    shortData.dataArea = bytesOf("abc");
    expectFailure(TestArchive().entry(shortData).build(), "b.txt");

    TestEntry encrypted = storedEntry("c.txt", "abc");
    encrypted.flags |= 0x0004;
    encrypted.dataArea = bytesOf("xyz");
    expectFailure(TestArchive().entry(encrypted).build(), "c.txt");
}

TEST(ArchiveReader, UnrecognisedOrDamagedArchives)
{
    Bytes good = TestArchive().stored("a.txt", "hello").build();
    expectFailure(Bytes{}, "a.txt");
    expectFailure(Bytes(good.begin(), good.begin() + 6), "a.txt");   // marker cut
    expectFailure(Bytes(good.begin(), good.begin() + 19), "a.txt");  // main header cut
    for (size_t cut = 20; cut < good.size(); ++cut) expectFailure(Bytes(good.begin(), good.begin() + cut), "a.txt");
    Bytes oldMarker = good;
    oldMarker[1] = 0x45, oldMarker[2] = 0x7E, oldMarker[3] = 0x5E;
    expectFailure(oldMarker, "a.txt");
    Bytes garbage(4096);
    for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = uint8_t(i * 7919 >> 3);
    expectFailure(garbage, "a.txt");
    Bytes rarThenGarbage = TestArchive().raw(garbage).build();
    expectFailure(rarThenGarbage, "a.txt");
    expectFailure(good, "missing.txt");
}

TEST(ArchiveReader, DamagedHeadersEndTheScan)
{
    expectFailure(TestArchive().raw({0, 0, 0x75, 0, 0, 6, 0}).stored("a.txt", "a").build(), "a.txt");  // size below 7
    TestEntry shortHeader = storedEntry("b.txt", "b");
    shortHeader.headerSize = 32 + 5 - 1;  // shorter than its own name
    expectFailure(TestArchive().entry(shortHeader).stored("a.txt", "a").build(), "a.txt");
    Bytes cutHeader = TestArchive().stored("a.txt", "a").raw({0, 0, 0x74, 0, 0x80, 40}).build();  // ends mid-header
    expectFound(cutHeader, "a.txt", "a");
    expectFailure(cutHeader, "b.txt");
}

TEST(ArchiveReader, MissingArchiveFile)
{
    uint8_t* data = nullptr;
    uint32_t size = 7;
    EXPECT_EQ(extractFile("a.txt", "/nonexistent/archive.rar", &data, &size), 0);
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(size, 0u);
}

TEST(ArchiveReader, OverlongNamesNeverMatch)
{
    std::string longName(300, 'n');
    Bytes archive = TestArchive().stored(longName, "x").build();
    expectFailure(archive, longName.substr(0, 259).c_str());
    expectFailure(archive, longName.c_str());
    std::string fits(259, 'm');
    expectFound(TestArchive().stored(fits, "y").build(), fits.c_str(), "y");
}

}  // namespace

// Archives the packer writes extract byte for byte with the program's reader and with unar.
#include "pack_fixture.h"

#include "rar_constants.h"

using namespace packtest;

namespace {

std::vector<Entry> mixedEntries() {
    return {{"scripts\\env.txt", textLike(150000, 1)},
            {"meshes\\env.dat", structured(90000, 2)},
            {"noise.bin", randomBytes(20000, 3)},
            {"zeros.bin", Bytes(70000, 0)},
            {"empty.txt", {}},
            {"one.txt", {'x'}},
            {"small.txt", textLike(300, 4)}};
}

struct MethodCase {
    int method;
    bool solid;
};

class PackMethods : public ::testing::TestWithParam<MethodCase> {};

TEST_P(PackMethods, MixedEntriesExtractWithBothDecoders) {
    ssdpack::PackOptions options;
    options.method = GetParam().method;
    options.solid = GetParam().solid;
    const std::vector<Entry> entries = mixedEntries();
    PackedArchive archive(entries, options);
    expectBothDecodersExtract(archive, entries);
    for (size_t i = 0; i < entries.size(); ++i) {
        const ssdpack::PackedEntryInfo& info = archive.infos()[i];
        EXPECT_LE(info.packedSize, entries[i].data.size()) << entries[i].name << " grew";
        if (options.method == 0) {
            EXPECT_EQ(info.method, 0x30);
        }
    }
    if (options.method > 0) {
        EXPECT_LT(archive.infos()[0].packedSize, entries[0].data.size() / 2) << "text barely compressed";
        EXPECT_EQ(archive.infos()[2].method, 0x30) << "random data should fall back to storing";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryMethod, PackMethods,
                         ::testing::Values(MethodCase{0, false}, MethodCase{1, false}, MethodCase{2, false},
                                           MethodCase{3, false}, MethodCase{4, false}, MethodCase{5, false},
                                           MethodCase{1, true}, MethodCase{3, true}, MethodCase{5, true}));

TEST(PackSolid, LaterEntriesMatchIntoEarlierOnes) {
    Bytes first = textLike(60000, 7);
    Bytes second = first;
    for (size_t i = 0; i < second.size(); i += 5000) second[i] ^= 0x20;  // a few edits
    Bytes third = structured(40000, 8);
    const std::vector<Entry> entries = {{"a.txt", first}, {"b.txt", second}, {"c.dat", third}, {"d.txt", first}};
    ssdpack::PackOptions options;
    options.solid = true;
    options.method = 4;
    PackedArchive archive(entries, options);
    expectBothDecodersExtract(archive, entries);
    EXPECT_FALSE(archive.infos()[0].continued);
    for (size_t i = 1; i < entries.size(); ++i) EXPECT_TRUE(archive.infos()[i].continued) << i;
    EXPECT_LT(archive.infos()[1].packedSize, 1000u) << "the copy should be matches into the first entry";
    EXPECT_LT(archive.infos()[3].packedSize, 200u) << "the repeat should reach back past the third entry";
}

// A long chain drops its oldest bytes; matches into what is kept still land right.
TEST(PackSolid, AChainLongerThanTheKeptHistory) {
    std::vector<Entry> entries;
    Bytes previous = textLike(300000, 30);
    for (int i = 0; i < 8; ++i) {
        Bytes next = previous;
        for (size_t k = size_t(i) * 977; k < next.size(); k += 3001) next[k] = uint8_t('A' + i);
        entries.push_back({"part" + std::to_string(i) + ".txt", next});
        previous = next;
    }
    ssdpack::PackOptions options;
    options.solid = true;
    options.method = 2;
    PackedArchive archive(entries, options, 1500000);
    expectBothDecodersExtract(archive, entries);
    EXPECT_LT(archive.infos()[7].packedSize, 20000u) << "the last part should be matches into the one before";
}

TEST(PackSolid, AStoredEntryRestartsTheChain) {
    const std::vector<Entry> entries = {
        {"a.txt", textLike(20000, 9)}, {"b.bin", randomBytes(30000, 10)}, {"c.txt", textLike(20000, 9)}};
    ssdpack::PackOptions options;
    options.solid = true;
    PackedArchive archive(entries, options);
    expectBothDecodersExtract(archive, entries);
    EXPECT_EQ(archive.infos()[1].method, 0x30);
    EXPECT_FALSE(archive.infos()[1].continued);
    EXPECT_FALSE(archive.infos()[2].continued) << "no decoder continues through a stored entry";
}

// Every length slot and every distance slot, up to a distance of exactly the whole window, in an
// entry that wraps the window.
Bytes slotCoverage() {
    Bytes data = randomBytes(ssdpack::rar::windowSize + 50000, 11);
    auto copy = [&](uint32_t distance, uint32_t length) {
        for (uint32_t i = 0; i < length; ++i) data.push_back(data[data.size() - distance]);
        Bytes gap = randomBytes(6, distance + length);
        data.insert(data.end(), gap.begin(), gap.end());
    };
    for (int d = 0; d < 48; ++d) {
        const uint32_t distance = ssdpack::rar::distanceBase[d] + 1 + ((1u << ssdpack::rar::distanceBits[d]) - 1) / 2;
        const int k = d < 16 ? d : 8 + (d - 16) % 20;  // long distances pay only with longer matches
        copy(distance, ssdpack::rar::lengthBase[k] + 3 + ssdpack::rar::matchLengthBonus(distance));
    }
    copy(ssdpack::rar::windowSize, 40);
    return data;
}

TEST(PackCoverage, EveryLengthAndDistanceSlotAcrossAWrappedWindow) {
    const std::vector<Entry> entries = {{"wide.bin", slotCoverage()}};
    ssdpack::PackOptions options;
    options.method = 5;
    PackedArchive archive(entries, options);
    expectBothDecodersExtract(archive, entries);
    const ssdpack::EncodeStats& stats = archive.infos()[0].stats;
    EXPECT_EQ(stats.distanceSlots, (uint64_t(1) << 48) - 1);
    EXPECT_EQ(stats.lengthSlots, (1u << 28) - 1);
}

TEST(PackCoverage, RepeatsShortMatchesAndTableChangesAppearWhereTheyPay) {
    Bytes data;
    for (unsigned part = 0; part < 6; ++part) {
        Bytes text = part % 2 ? structured(120000, 20 + part) : textLike(120000, 20 + part);
        data.insert(data.end(), text.begin(), text.end());
    }
    const std::vector<Entry> entries = {{"mixed.dat", data}};
    ssdpack::PackOptions options;
    options.method = 5;
    PackedArchive archive(entries, options);
    expectBothDecodersExtract(archive, entries);
    const ssdpack::EncodeStats& s = archive.infos()[0].stats;
    EXPECT_GT(s.repeatLast, 0u);
    for (int i = 0; i < 4; ++i) EXPECT_GT(s.repeats[i], 0u) << "recent distance " << i;
    EXPECT_GT(s.shorts, 0u);
    EXPECT_GT(s.tableReads, 2u);
    EXPECT_GT(s.deltaTableReads, 0u);
}

}  // namespace

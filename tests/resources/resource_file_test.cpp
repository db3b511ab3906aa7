#include "resources/resource_file.h"
#include "support/test_archive.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// Points ResourceFile at a temporary archive for the length of a test.
class ResourceFileTest : public ::testing::Test {
protected:
    TempFile archive_{"resource"};
    void SetUp() override { ResourceFile::setArchivePath(archive_.path().c_str()); }
    void TearDown() override { ResourceFile::setArchivePath("data.ssd"); }
    void pack(const std::string& name, const std::string& content)
    {
        ASSERT_TRUE(TestArchive().stored(name, content).writeTo(archive_.path()));
    }
};

struct Line {
    std::string text;
    int result;
};

struct LineCase {
    const char* label;
    std::string content;
    std::vector<Line> lines;  // each readLine in turn; a last line of "" and 0 is checked twice
};

const std::string longLine = std::string(200, 'x');

const LineCase lineCases[] = {
    {"spaces skipped, CR before LF dropped", "a b\r\n  c\r\n", {{"a b", 1}, {"c", 1}, {"", 0}}},
    {"last line without LF", "x\ny", {{"x", 1}, {"y", 0}, {"", 0}}},
    {"CR in mid-line dropped", "ab\rcd\n", {{"abcd", 1}, {"", 0}}},
    {"tab kept, trailing spaces kept", "\tmaterial  \n", {{"\tmaterial  ", 1}, {"", 0}}},
    {"line of spaces and empty line", "   \n\nz\n", {{"", 1}, {"", 1}, {"z", 1}, {"", 0}}},
    {"empty entry", "", {{"", 0}}},
    {"long line cut, rest consumed", longLine + "\nnext\n", {{std::string(127, 'x'), 1}, {"next", 1}, {"", 0}}},
};

TEST_F(ResourceFileTest, ReadLineCases)
{
    for (const LineCase& c : lineCases) {
        SCOPED_TRACE(c.label);
        pack("script.txt", c.content);
        ResourceFile file;
        ASSERT_EQ(file.open("script.txt"), 1);
        std::vector<Line> expected = c.lines;
        expected.push_back({"", 0});  // reads past the end stay empty
        for (const Line& line : expected) {
            char buffer[ResourceFile::lineCapacity];
            std::memset(buffer, '#', sizeof buffer);
            EXPECT_EQ(file.readLine(buffer), line.result);
            EXPECT_EQ(std::string(buffer), line.text);
        }
    }
}

TEST_F(ResourceFileTest, MissingNameIsAnEmptyFile)
{
    pack("present.txt", "hello\n");
    ResourceFile file;
    EXPECT_EQ(file.open("absent.txt"), 0);
    EXPECT_EQ(file.data(), nullptr);
    EXPECT_EQ(file.size(), 0u);
    EXPECT_STREQ(file.name(), "absent.txt");
    char buffer[ResourceFile::lineCapacity] = "junk";
    EXPECT_EQ(file.readLine(buffer), 0);
    EXPECT_STREQ(buffer, "");
    uint8_t byte = 0x55;
    file.read(&byte, 1);
    EXPECT_EQ(byte, 0);
    EXPECT_TRUE(file.atEnd());
}

TEST_F(ResourceFileTest, MissingArchiveIsAnEmptyFile)
{
    ResourceFile::setArchivePath("/nonexistent/data.ssd");
    ResourceFile file;
    EXPECT_EQ(file.open("env.txt"), 0);
    EXPECT_EQ(file.size(), 0u);
}

TEST_F(ResourceFileTest, EndIsNoticedOnlyAfterReadingPastTheLastByte)
{
    pack("meshes\\env.dat", "ABCD");
    ResourceFile file;
    ASSERT_EQ(file.open("meshes/env.dat"), 1);
    uint8_t bytes[8] = {};
    file.read(bytes, 4);
    EXPECT_EQ(std::string(bytes, bytes + 4), "ABCD");
    EXPECT_FALSE(file.atEnd());
    file.read(bytes, 0);
    EXPECT_FALSE(file.atEnd());
    file.read(bytes, 1);
    EXPECT_TRUE(file.atEnd());
    EXPECT_EQ(file.position(), 5u);
}

TEST_F(ResourceFileTest, ReadCopiesOnlyWhatLiesBeforeTheEnd)
{
    pack("data.bin", "ABC");
    ResourceFile file;
    ASSERT_EQ(file.open("data.bin"), 1);
    uint8_t bytes[6];
    std::memset(bytes, 0x55, sizeof bytes);
    file.read(bytes, 2);
    file.read(bytes + 2, 4);
    EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + 6), (std::vector<uint8_t>{'A', 'B', 'C', 0, 0, 0}));
    EXPECT_EQ(file.position(), 6u);
    EXPECT_TRUE(file.atEnd());
}

TEST_F(ResourceFileTest, ReadUnlessEndStopsOnlyOncePastTheEnd)
{
    pack("data.bin", "AB");
    ResourceFile file;
    ASSERT_EQ(file.open("data.bin"), 1);
    uint8_t bytes[4] = {};
    file.readUnlessEnd(bytes, 2);
    EXPECT_EQ(file.position(), 2u);
    file.readUnlessEnd(bytes, 3);  // position equals size: still reads
    EXPECT_EQ(file.position(), 5u);
    file.readUnlessEnd(bytes, 3);  // past the end: does nothing
    EXPECT_EQ(file.position(), 5u);
}

TEST_F(ResourceFileTest, CloseIsHarmlessTwiceAndBeforeOpen)
{
    ResourceFile never;
    never.close();
    never.close();
    pack("a.txt", "a");
    ResourceFile file;
    ASSERT_EQ(file.open("a.txt"), 1);
    file.close();
    file.close();
    EXPECT_EQ(file.data(), nullptr);
    EXPECT_EQ(file.size(), 0u);
    EXPECT_EQ(file.position(), 0u);
    ASSERT_EQ(file.open("A.TXT"), 1);  // reopened after close
    EXPECT_EQ(file.size(), 1u);
}

}  // namespace

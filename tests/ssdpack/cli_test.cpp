// The ssdpack command: its exit status and the reason it gives on standard error.
#include "pack_fixture.h"

#include <cstdio>

using namespace packtest;

namespace {

const std::string tool = std::string(VANTRELLE_BINARY_DIR) + "/ssdpack";

struct RunResult {
    int status = -1;
    std::string out, err;
};

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

RunResult run(const std::string& arguments) {
    TempFile out("out"), err("err");
    RunResult r;
    int raw = std::system((tool + " " + arguments + " >'" + out.path() + "' 2>'" + err.path() + "'").c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = readText(out.path());
    r.err = readText(err.path());
    return r;
}

class SsdpackCli : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir_.path() + "/in/meshes");
        std::ofstream(dir_.path() + "/in/env.txt") << "position V(1 2 3)\n";
        std::ofstream(dir_.path() + "/in/meshes/env.dat") << std::string(5000, 'm');
        archive_ = dir_.path() + "/data.ssd";
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(dir_.path(), ignored);
    }
    void corruptByte(long fromEnd) {
        FILE* f = std::fopen(archive_.c_str(), "r+b");
        ASSERT_NE(f, nullptr);
        std::fseek(f, -fromEnd, SEEK_END);
        int c = std::fgetc(f);
        std::fseek(f, -fromEnd, SEEK_END);
        std::fputc(c ^ 0x5A, f);
        std::fclose(f);
    }
    std::string in() const { return "'" + dir_.path() + "/in'"; }

    TempFile dir_{"cli"};
    std::string archive_;
};

TEST_F(SsdpackCli, PackListExtractAndTest) {
    ASSERT_EQ(run("a -s -m4 " + archive_ + " " + in()).status, 0);
    RunResult list = run("l " + archive_);
    EXPECT_EQ(list.status, 0);
    EXPECT_NE(list.out.find("meshes\\env.dat"), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("solid"), std::string::npos) << list.out;
    RunResult one = run("x " + archive_ + " MESHES/ENV.DAT -");
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(one.out, std::string(5000, 'm'));
    EXPECT_EQ(run("x " + archive_ + " -d " + dir_.path() + "/out").status, 0);
    EXPECT_EQ(readText(dir_.path() + "/out/env.txt"), "position V(1 2 3)\n");
    EXPECT_EQ(readText(dir_.path() + "/out/meshes/env.dat"), std::string(5000, 'm'));
    RunResult test = run("t " + archive_);
    EXPECT_EQ(test.status, 0);
    EXPECT_NE(test.out.find("2 entries tested, 0 failed"), std::string::npos) << test.out;
}

struct ErrorCase {
    const char* label;
    std::string arguments;  // $A is the archive, $D the test folder
    std::string message;
};

class SsdpackErrors : public SsdpackCli, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(SsdpackErrors, FailWithAReason) {
    ASSERT_EQ(run("a " + archive_ + " " + in()).status, 0);
    std::string arguments = GetParam().arguments;
    for (auto [key, value] : {std::pair<std::string, std::string>{"$A", archive_}, {"$D", dir_.path()}})
        for (size_t at; (at = arguments.find(key)) != std::string::npos;) arguments.replace(at, 2, value);
    RunResult r = run(arguments);
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SsdpackErrors,
    ::testing::Values(ErrorCase{"noCommand", "", "usage"}, ErrorCase{"unknownCommand", "q", "unknown command"},
                      ErrorCase{"badMethod", "a -m7 $D/b.ssd $D/in", "unknown option"},
                      ErrorCase{"nothingToPack", "a $D/b.ssd", "at least one"},
                      ErrorCase{"missingInput", "a $D/b.ssd $D/nothing", "cannot read"},
                      ErrorCase{"unwritableOutput", "a $D/no/such/dir/b.ssd $D/in", "cannot create"},
                      ErrorCase{"notFound", "x $A missing.txt -", "no entry named missing.txt"},
                      ErrorCase{"missingArchive", "x $D/none.ssd env.txt -", "cannot read"},
                      ErrorCase{"notAnArchive", "x $D/in/env.txt env.txt -", "not a RAR archive"},
                      ErrorCase{"extractArguments", "x $A", "x needs"},
                      ErrorCase{"unwritableExtract", "x $A env.txt $D/no/such/dir/file", "cannot write"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(SsdpackCli, ALinkBackUpTheTreeIsNotFollowed) {
    std::filesystem::create_directory_symlink("..", dir_.path() + "/in/meshes/up");
    ASSERT_EQ(run("a " + archive_ + " " + in()).status, 0);
    RunResult test = run("t " + archive_);
    EXPECT_NE(test.out.find("2 entries tested, 0 failed"), std::string::npos) << test.out;
}

TEST_F(SsdpackCli, ACorruptedByteIsACrcMismatch) {
    ASSERT_EQ(run("a -m0 " + archive_ + " " + in()).status, 0);
    corruptByte(100);  // inside the stored meshes\env.dat, the last entry
    RunResult r = run("x " + archive_ + " meshes\\\\env.dat -");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("CRC mismatch"), std::string::npos) << r.err;
    RunResult t = run("t " + archive_);
    EXPECT_EQ(t.status, 1);
    EXPECT_NE(t.out.find("1 failed"), std::string::npos) << t.out;
}

TEST_F(SsdpackCli, ACutShortArchiveSaysSo) {
    ASSERT_EQ(run("a -m3 " + archive_ + " " + in()).status, 0);
    std::filesystem::resize_file(archive_, std::filesystem::file_size(archive_) - 3);
    RunResult x = run("x " + archive_ + " meshes/env.dat -");
    EXPECT_EQ(x.status, 1);
    EXPECT_NE(x.err.find("cut short"), std::string::npos) << x.err;
    RunResult list = run("l " + archive_);
    EXPECT_EQ(list.status, 1);
    EXPECT_NE(list.err.find("cut short"), std::string::npos) << list.err;
}

TEST_F(SsdpackCli, AnUnsupportedUnpackVersionIsNamed) {
    ASSERT_EQ(run("a -m0 " + archive_ + " " + in()).status, 0);
    FILE* f = std::fopen(archive_.c_str(), "r+b");
    ASSERT_NE(f, nullptr);
    std::fseek(f, 20 + 24, SEEK_SET);  // the first file header's unpack version
    std::fputc(29, f);
    std::fclose(f);
    RunResult r = run("x " + archive_ + " env.txt -");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("unsupported unpack version 29"), std::string::npos) << r.err;
}

TEST_F(SsdpackCli, ExtractionRefusesNamesThatLeaveTheFolder) {
    const std::vector<Entry> entries = {{"..\\evil.txt", {'x'}}, {"good.txt", {'y'}}};
    PackedArchive archive(entries, ssdpack::PackOptions{});
    ASSERT_TRUE(archive.ok());
    RunResult r = run("x " + archive.path() + " -d " + dir_.path() + "/out");
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir_.path() + "/evil.txt"));
    EXPECT_EQ(readText(dir_.path() + "/out/good.txt"), "y");
}

TEST_F(SsdpackCli, AFailedPackLeavesTheOldArchive) {
    ASSERT_EQ(run("a " + archive_ + " " + in()).status, 0);
    const std::string before = readText(archive_);
    EXPECT_NE(run("a " + archive_ + " " + in() + " " + dir_.path() + "/nothing").status, 0);
    EXPECT_EQ(readText(archive_), before);
    for (const auto& e : std::filesystem::directory_iterator(dir_.path()))
        EXPECT_EQ(e.path().string().find(".tmp"), std::string::npos) << "left behind: " << e.path();
}

}  // namespace

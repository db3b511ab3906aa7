#include "core/log.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <unistd.h>
#include <fstream>
#include <sstream>

namespace {

std::string readAll(const std::filesystem::path& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class LogTest : public ::testing::Test {
protected:
    std::filesystem::path path_ = std::filesystem::temp_directory_path() /
                                  ("vantrelle-log-" + std::to_string(::getpid()) + ".txt");
    void TearDown() override { std::filesystem::remove(path_); }
};

TEST_F(LogTest, LineShapes)
{
    Log log(path_.string());
    log.section("Start screensaver");
    log.write("Set resolution: ").write(uint32_t(800)).write("x").write(int32_t(-600)).write(" ...").done();
    log.write("Init multitexture extension ...").write(" multitexture unsupported!/n");
    log.write("Set swap interval...").done();
    EXPECT_EQ(readAll(path_),
              "............... Start screensaver ...............\n"
              "Set resolution: 800x-600 ...done\n"
              "Init multitexture extension ... multitexture unsupported!/nSet swap interval...done\n");
}

TEST_F(LogTest, EachWriteReachesTheFileAtOnce)
{
    Log log(path_.string());
    log.write("Load environment...");
    EXPECT_EQ(readAll(path_), "Load environment...");
}

TEST_F(LogTest, ASecondRunLeavesOnlyItsOwnLines)
{
    { Log first(path_.string()); first.write("first run\n"); }
    { Log second(path_.string()); second.write("second run\n"); }
    EXPECT_EQ(readAll(path_), "second run\n");
}

TEST_F(LogTest, AnUnopenableFileMakesWritesHarmless)
{
    Log log("/nonexistent-folder/log.txt");
    log.write("text").write(uint32_t(1)).done().section("x");
    SUCCEED();
}

}  // namespace

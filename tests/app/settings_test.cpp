#include "app/settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const char* const writtenInOrder =
    "ShowClock=0\nHrs12=1\nEnableMusic=0\nUseDesktop=0\nShowFlame=0\nDefGamma=0\n"
    "Width=1280\nHeight=1024\nDepth=32\nVolume=7\nTimeScale=2\nGamma=80\n"
    "Galaxy=0\nVSync=1\nMouseExit=1\nWideScreen=0\nShowFPS=1\n";

Settings everythingChanged()
{
    Settings values;
    values.ShowClock = false;
    values.Hrs12 = true;
    values.EnableMusic = false;
    values.UseDesktop = false;
    values.ShowFlame = false;
    values.DefGamma = false;
    values.Width = 1280;
    values.Height = 1024;
    values.Depth = 32;
    values.Volume = 7;
    values.Gamma = 80;
    values.TimeScale = 2;
    values.Galaxy = false;
    values.ShowFPS = true;
    values.VSync = true;
    values.MouseExit = true;
    values.WideScreen = false;
    return values;
}

// Sets or clears an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) ::setenv(name, value, 1);
        else ::unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (old_) ::setenv(name_, old_->c_str(), 1);
        else ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "vantrelle-settings-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        file_ = (folder_ / "settings.ini").string();
    }
    void TearDown() override
    {
        ::chmod(folder_.c_str(), 0755);
        fs::remove_all(folder_);
    }

    void put(const std::string& text) const { std::ofstream(file_, std::ios::binary) << text; }
    std::string contents() const
    {
        std::ifstream in(file_, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    Settings readBack() const
    {
        Settings values = everythingChanged();
        readSettingsFrom(file_, values);
        return values;
    }

    fs::path folder_;
    std::string file_;
};

TEST_F(SettingsTest, AMissingFileGivesTheDefaults)
{
    Settings values = everythingChanged();
    EXPECT_FALSE(readSettingsFrom(file_, values));
    EXPECT_EQ(values, Settings{});
    EXPECT_TRUE(values.ShowClock && values.EnableMusic && values.UseDesktop && values.DefGamma);
    EXPECT_TRUE(values.Galaxy && values.ShowFlame && values.WideScreen);
    EXPECT_FALSE(values.Hrs12 || values.ShowFPS || values.VSync || values.MouseExit);
    EXPECT_EQ(values.Volume, 100u);
    EXPECT_EQ(values.Gamma, 50u);
    EXPECT_EQ(values.TimeScale, 0u);
    EXPECT_EQ(values.Width | values.Height | values.Depth, 0u);
}

TEST_F(SettingsTest, WriteStoresEveryValueInOrderAndReadsBack)
{
    const Settings values = everythingChanged();
    ASSERT_TRUE(writeSettingsTo(file_, values));
    EXPECT_EQ(contents(), writtenInOrder);
    EXPECT_EQ(readBack(), values);
}

TEST_F(SettingsTest, ValuesAreNormalisedOnReading)
{
    struct Case {
        const char* line;
        bool Settings::*flag;
        uint32_t Settings::*number;
        uint32_t expected;
    };
    const Case cases[] = {
        {"TimeScale=7", nullptr, &Settings::TimeScale, 0},
        {"TimeScale=4294967295", nullptr, &Settings::TimeScale, 0},
        {"TimeScale=3", nullptr, &Settings::TimeScale, 3},
        {"VSync=2", &Settings::VSync, nullptr, 1},
        {"VSync=4294967295", &Settings::VSync, nullptr, 1},
        {"ShowClock=0", &Settings::ShowClock, nullptr, 0},
        {"Width=1024", nullptr, &Settings::Width, 1024},
        {"  Width = 1024\r", nullptr, &Settings::Width, 1024},
        {"width=800", nullptr, &Settings::Width, 800},
        {"\xEF\xBB\xBFWidth=640", nullptr, &Settings::Width, 640},
        {"Volume=4294967295", nullptr, &Settings::Volume, UINT32_MAX},
        // Garbage and overflow count as absent: the default stays.
        {"Volume=4294967296", nullptr, &Settings::Volume, 100},
        {"Volume=-1", nullptr, &Settings::Volume, 100},
        {"Volume=12x", nullptr, &Settings::Volume, 100},
        {"Volume=", nullptr, &Settings::Volume, 100},
        {"Volume 12", nullptr, &Settings::Volume, 100},
        {"VSync=yes", &Settings::VSync, nullptr, 0},
        {"Galaxy=on", &Settings::Galaxy, nullptr, 1},
    };
    for (const auto& test : cases) {
        put(std::string(test.line) + "\n");
        const Settings values = readBack();
        const uint32_t got = test.flag ? uint32_t(values.*(test.flag)) : values.*(test.number);
        EXPECT_EQ(got, test.expected) << test.line;
    }
}

TEST_F(SettingsTest, FlagsAreWrittenBackAsOne)
{
    put("ShowFPS=2\nMouseExit=4294967295\nShowFlame=0\n");
    Settings values = readBack();
    ASSERT_TRUE(writeSettingsTo(file_, values));
    const std::string text = contents();
    EXPECT_NE(text.find("\nMouseExit=1\n"), std::string::npos);
    EXPECT_NE(text.find("\nShowFPS=1\n"), std::string::npos);
    EXPECT_NE(text.find("\nShowFlame=0\n"), std::string::npos);
}

TEST_F(SettingsTest, PathAndForeignLinesStayWhereTheyWere)
{
    put("# Vantrelle\nPath=/opt/vantrelle\nWidth=640\nColour=blue\nHeight=480\nWidth=800\n");
    Settings values = readBack();
    EXPECT_EQ(values.Path, "/opt/vantrelle");
    EXPECT_EQ(values.Width, 800u);  // the last line wins
    values = everythingChanged();
    values.Path = "/somewhere/else";
    ASSERT_TRUE(writeSettingsTo(file_, values));
    EXPECT_EQ(contents(), std::string("# Vantrelle\nPath=/opt/vantrelle\n") + writtenInOrder + "Colour=blue\n");
}

TEST_F(SettingsTest, WriteNeverCreatesPath)
{
    Settings values;
    values.Path = "/usr/lib/vantrelle";
    ASSERT_TRUE(writeSettingsTo(file_, values));
    EXPECT_EQ(contents().find("Path"), std::string::npos);
}

TEST_F(SettingsTest, PathKeepsItsTextUpToTheLimit)
{
    const std::string longest(maxPathLength, 'p');
    put("Path=/opt/my saver\n");
    EXPECT_EQ(readBack().Path, "/opt/my saver");
    put("Path=" + longest + "\n");
    EXPECT_EQ(readBack().Path, longest);
    put("Path=" + longest + "q\n");
    EXPECT_EQ(readBack().Path, "");
}

TEST_F(SettingsTest, CorruptFilesGiveTheDefaults)
{
    const std::string corrupt[] = {
        std::string("\0\xff\x01=\n==\n\xff\xfeW\0i\0d\0t\0h\0=\0001\0", 24),
        "Width",
        std::string(3000, '='),
        std::string("Path=/x\0y\n", 10),
    };
    for (const auto& text : corrupt) {
        put(text);
        Settings values = readBack();
        values.Path.clear();
        EXPECT_EQ(values, Settings{});
    }
    fs::remove(file_);
    fs::create_directory(file_);
    EXPECT_EQ(readBack(), Settings{});
    EXPECT_FALSE(writeSettingsTo(file_, Settings{}));
}

TEST_F(SettingsTest, WriteCreatesTheFolder)
{
    const std::string nested = (folder_ / "config" / "vantrelle" / "settings.ini").string();
    ASSERT_TRUE(writeSettingsTo(nested, everythingChanged()));
    Settings values;
    EXPECT_TRUE(readSettingsFrom(nested, values));
    EXPECT_EQ(values, everythingChanged());
}

TEST_F(SettingsTest, AFailedWriteLeavesTheOldFile)
{
    const std::string blocked = (folder_ / "plain-file" / "settings.ini").string();
    put("x");
    fs::copy_file(file_, folder_ / "plain-file");
    EXPECT_FALSE(writeSettingsTo(blocked, Settings{}));

    put("Path=/opt/vantrelle\nWidth=640\n");
    ::chmod(folder_.c_str(), 0555);
    if (::access(folder_.c_str(), W_OK) == 0) GTEST_SKIP() << "running with rights that ignore folder modes";
    EXPECT_FALSE(writeSettingsTo(file_, everythingChanged()));
    EXPECT_EQ(contents(), "Path=/opt/vantrelle\nWidth=640\n");
}

TEST_F(SettingsTest, ALinkedFileIsReplacedAtItsTarget)
{
    const fs::path target = folder_ / "real.ini";
    std::ofstream(target) << "Colour=blue\n";
    fs::create_symlink(target, file_);
    ASSERT_TRUE(writeSettingsTo(file_, everythingChanged()));
    EXPECT_TRUE(fs::is_symlink(file_));
    EXPECT_EQ(contents(), std::string("Colour=blue\n") + writtenInOrder);
}

TEST_F(SettingsTest, ProcessWideSettingsUseTheConfiguredFile)
{
    ScopedEnv config("VANTRELLE_CONFIG", file_.c_str());
    put("Path=/opt/vantrelle\nTimeScale=1\n");
    readSettings();
    EXPECT_EQ(settings.TimeScale, 1u);
    settings.TimeScale = 2;
    EXPECT_TRUE(writeSettings());
    readSettings();
    EXPECT_EQ(settings.TimeScale, 2u);
    EXPECT_EQ(settings.Path, "/opt/vantrelle");
    settings = Settings{};
}

TEST(SettingsFilePath, ChoosesTheFirstPlaceThatIsSet)
{
    ScopedEnv home("HOME", "/home/ann");
    {
        ScopedEnv config("VANTRELLE_CONFIG", "/tmp/mine.ini");
        ScopedEnv xdg("XDG_CONFIG_HOME", "/home/ann/.cfg");
        EXPECT_EQ(settingsFilePath(), "/tmp/mine.ini");
    }
    ScopedEnv config("VANTRELLE_CONFIG", nullptr);
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "/home/ann/.cfg");
        EXPECT_EQ(settingsFilePath(), "/home/ann/.cfg/vantrelle/settings.ini");
    }
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "relative");
        EXPECT_EQ(settingsFilePath(), "/home/ann/.config/vantrelle/settings.ini");
    }
    ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(settingsFilePath(), "/home/ann/.config/vantrelle/settings.ini");
}

TEST(SettingsPathDefault, OnlyFillsAnAbsentPath)
{
    Settings values;
    applyPathDefault(values, "/usr/lib/vantrelle");
    EXPECT_EQ(values.Path, "/usr/lib/vantrelle");
    applyPathDefault(values, "/elsewhere");
    EXPECT_EQ(values.Path, "/usr/lib/vantrelle");
}

}  // namespace

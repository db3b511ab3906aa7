#include "app/settings.h"

#include "app/settings_file.h"

#include <cstdlib>
#include <pwd.h>
#include <strings.h>
#include <unistd.h>

Settings settings;

namespace {

// One row per numeric value, in the order a write stores them.
struct NumericValue {
    const char* name;
    bool Settings::*flag;
    uint32_t Settings::*number;
};

constexpr NumericValue numericValues[] = {
    {"ShowClock", &Settings::ShowClock, nullptr},
    {"Hrs12", &Settings::Hrs12, nullptr},
    {"EnableMusic", &Settings::EnableMusic, nullptr},
    {"UseDesktop", &Settings::UseDesktop, nullptr},
    {"ShowFlame", &Settings::ShowFlame, nullptr},
    {"DefGamma", &Settings::DefGamma, nullptr},
    {"Width", nullptr, &Settings::Width},
    {"Height", nullptr, &Settings::Height},
    {"Depth", nullptr, &Settings::Depth},
    {"Volume", nullptr, &Settings::Volume},
    {"TimeScale", nullptr, &Settings::TimeScale},
    {"Gamma", nullptr, &Settings::Gamma},
    {"Galaxy", &Settings::Galaxy, nullptr},
    {"VSync", &Settings::VSync, nullptr},
    {"MouseExit", &Settings::MouseExit, nullptr},
    {"WideScreen", &Settings::WideScreen, nullptr},
    {"ShowFPS", &Settings::ShowFPS, nullptr},
};

constexpr const char* pathName = "Path";
constexpr uint32_t largestTimeScale = 3;

// Names compare without regard to case, as the values did in the registry.
bool sameName(std::string_view a, const char* b)
{
    return a.size() == std::char_traits<char>::length(b) && ::strncasecmp(a.data(), b, a.size()) == 0;
}

const NumericValue* findNumeric(std::string_view name)
{
    for (const auto& value : numericValues)
        if (sameName(name, value.name)) return &value;
    return nullptr;
}

bool ownsLine(const std::string& line)
{
    std::string_view name, value;
    return splitSettingLine(line, name, value) && findNumeric(name) != nullptr;
}

void applyLine(const std::string& line, Settings& out)
{
    std::string_view name, value;
    if (!splitSettingLine(line, name, value)) return;
    if (sameName(name, pathName)) {
        // A path that does not fit, or carries a NUL, names no folder: treat it as absent.
        if (value.size() <= maxPathLength && value.find('\0') == std::string_view::npos)
            out.Path = std::string(value);
        return;
    }
    const NumericValue* row = findNumeric(name);
    const auto number = parseUnsigned32(value);
    if (!row || !number) return;
    if (row->flag) out.*(row->flag) = *number != 0;
    else out.*(row->number) = *number;
}

std::string homeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) return entry->pw_dir;
    return {};
}

}  // namespace

std::string settingsFilePath()
{
    if (const char* explicitFile = std::getenv("VANTRELLE_CONFIG"); explicitFile && *explicitFile)
        return explicitFile;
    // Relative XDG folders are to be ignored.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/')
        return std::string(config) + "/vantrelle/settings.ini";
    const std::string home = homeFolder();
    if (home.empty()) return {};
    return home + "/.config/vantrelle/settings.ini";
}

bool readSettingsFrom(const std::string& file, Settings& out)
{
    out = Settings{};
    const auto lines = readTextLines(file);
    if (!lines) return false;
    for (const auto& line : *lines) applyLine(line, out);
    if (out.TimeScale > largestTimeScale) out.TimeScale = 0;
    return true;
}

bool writeSettingsTo(const std::string& file, const Settings& values)
{
    std::vector<std::string> owned;
    for (const auto& row : numericValues) {
        const uint32_t number = row.flag ? uint32_t(values.*(row.flag) ? 1 : 0) : values.*(row.number);
        owned.push_back(std::string(row.name) + "=" + std::to_string(number));
    }

    // Our values go where the first of them stood (or at the end); every other line stays put.
    std::vector<std::string> lines;
    bool placed = false;
    if (const auto old = readTextLines(file)) {
        for (const auto& line : *old) {
            if (!ownsLine(line)) {
                lines.push_back(line);
            } else if (!placed) {
                lines.insert(lines.end(), owned.begin(), owned.end());
                placed = true;
            }
        }
    } else if (::access(file.c_str(), F_OK) == 0) {
        return false;  // there but unreadable or oversized: keep it rather than lose its lines
    }
    if (!placed) lines.insert(lines.end(), owned.begin(), owned.end());
    return replaceTextFile(file, lines);
}

void readSettings() { readSettingsFrom(settingsFilePath(), settings); }

bool writeSettings() { return writeSettingsTo(settingsFilePath(), settings); }

void applyPathDefault(Settings& values, const std::string& executableFolder)
{
    if (values.Path.empty()) values.Path = executableFolder;
}

#pragma once
// The user's settings, read once at start in every run mode.
#include <cstdint>
#include <string>

// The defaults are the configuration dialog's Restore Defaults set, with Hrs12 off and Galaxy and
// ShowFlame on; Width, Height and Depth of 0 mean "the desktop's mode" and are filled in at start.
struct Settings {
    bool ShowClock = true;
    bool Hrs12 = false;
    bool EnableMusic = true;
    bool UseDesktop = true;
    bool ShowFlame = true;
    bool DefGamma = true;
    uint32_t Width = 0;
    uint32_t Height = 0;
    uint32_t Depth = 0;
    uint32_t Volume = 100;
    uint32_t Gamma = 50;
    uint32_t TimeScale = 0;
    bool Galaxy = true;
    bool ShowFPS = false;
    bool VSync = false;
    bool MouseExit = false;
    bool WideScreen = true;
    std::string Path;  // the program's folder; at most 254 characters

    bool operator==(const Settings&) const = default;
};

extern Settings settings;

constexpr size_t maxPathLength = 254;

// The settings file: $VANTRELLE_CONFIG, else $XDG_CONFIG_HOME/vantrelle/settings.ini,
// else ~/.config/vantrelle/settings.ini. Empty when no home folder can be found.
std::string settingsFilePath();

// Fills `settings` from settingsFilePath(); absent or unreadable values take the defaults.
void readSettings();
// Stores `settings` in settingsFilePath(); false when the file could not be replaced (the old one
// is then left as it was). Never writes Path.
bool writeSettings();

// The same over an explicit file. readSettingsFrom starts from the defaults and returns whether
// the file could be read at all.
bool readSettingsFrom(const std::string& file, Settings& out);
bool writeSettingsTo(const std::string& file, const Settings& values);

// Path, when the file gave none, is the folder that holds the executable.
void applyPathDefault(Settings& values, const std::string& executableFolder);

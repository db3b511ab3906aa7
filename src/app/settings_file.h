#pragma once
// Reading and atomically replacing the small text files of `Name=value` lines the settings live in.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The file's lines without their line breaks; none when it is missing, unreadable or absurdly large.
std::optional<std::vector<std::string>> readTextLines(const std::string& file);

// Replaces the file with the lines (each ended by a line break) through a temporary file in the same
// folder, flushed to disk before the rename; creates the folder when needed.
bool replaceTextFile(const std::string& file, const std::vector<std::string>& lines);

// Splits "Name=value" (spaces around either part ignored); false for lines without '='.
bool splitSettingLine(std::string_view line, std::string_view& name, std::string_view& value);

// An unsigned 32-bit decimal number and nothing else; none for garbage or overflow.
std::optional<uint32_t> parseUnsigned32(std::string_view text);

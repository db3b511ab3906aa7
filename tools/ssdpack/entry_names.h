#pragma once
// Entry names as the program compares them: slash, backslash and underscore are one character,
// letters match regardless of case.
#include <string>

namespace ssdpack {

std::string comparableEntryName(const std::string& name);
bool entryNamesMatch(const std::string& a, const std::string& b);
// True for a name that stays inside the folder it is extracted to (no "..", not absolute).
bool entryNameIsSafe(const std::string& name);

}  // namespace ssdpack

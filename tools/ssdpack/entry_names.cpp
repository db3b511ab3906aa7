#include "entry_names.h"

namespace ssdpack {

std::string comparableEntryName(const std::string& name) {
    std::string out = name.substr(0, 512);
    for (char& c : out) {
        if (c == '\\' || c == '/') c = '_';
        else if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    }
    return out;
}

bool entryNamesMatch(const std::string& a, const std::string& b) {
    return comparableEntryName(a) == comparableEntryName(b);
}

bool entryNameIsSafe(const std::string& name) {
    if (name.empty() || name[0] == '\\' || name[0] == '/') return false;
    if (name.size() >= 2 && name[1] == ':') return false;  // a drive letter
    size_t start = 0;
    for (;;) {
        size_t end = name.find_first_of("\\/", start);
        std::string part = name.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (part.empty() || part == "." || part == "..") return false;
        if (end == std::string::npos) return true;
        start = end + 1;
    }
}

}  // namespace ssdpack

#pragma once
// A file in memory with a path, so that fuzz inputs reach code that opens files by name.
#include <cstddef>
#include <cstdint>
#include <string>

class MemoryFile {
public:
    MemoryFile();
    bool replace(const uint8_t* bytes, size_t size);  // the file's whole content
    const std::string& path() const { return path_; }

private:
    int fd_ = -1;
    std::string path_;
};

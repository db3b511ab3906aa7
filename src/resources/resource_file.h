#pragma once
// One archive entry read whole into memory, with a read position over it.
#include <cstddef>
#include <cstdint>

class ResourceFile {
public:
    static constexpr size_t lineCapacity = 128;  // every script line buffer: 127 characters and a terminator

    ResourceFile() = default;
    virtual ~ResourceFile();
    ResourceFile(const ResourceFile&) = delete;
    ResourceFile& operator=(const ResourceFile&) = delete;

    int open(const char* name);  // 1 on success; on failure the file is empty
    void close();
    bool atEnd() const { return position_ > size_; }
    void read(void* destination, uint32_t count);
    void readUnlessEnd(void* destination, uint32_t count);
    int readLine(char* buffer, size_t capacity = lineCapacity);

    const char* name() const { return name_; }
    const uint8_t* data() const { return data_; }
    uint32_t size() const { return size_; }
    uint32_t position() const { return position_; }

    // The archive every open reads from; "data.ssd" in the current directory unless changed.
    static void setArchivePath(const char* path);
    static const char* archivePath();

private:
    char name_[100] = {};
    uint8_t* data_ = nullptr;
    uint32_t size_ = 0;
    uint32_t position_ = 0;
};

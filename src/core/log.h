#pragma once
// The progress log "log.txt": every write is flushed at once, so a crash loses nothing logged.
#include <cstdint>
#include <fstream>
#include <string>

class Log {
public:
    explicit Log(const std::string& path);  // opens with truncation; a failed open makes writes no-ops
    virtual ~Log() = default;

    Log& write(const char* text);
    Log& write(const std::string& text) { return write(text.c_str()); }
    Log& write(int32_t number);
    Log& write(uint32_t number);
    Log& done();                        // "done" and a line break
    Log& section(const char* title);    // "............... title ..............." and a line break

private:
    std::ofstream out_;
};

// The process-wide log, opened on first use as "log.txt" in the current directory.
Log& logInstance();
Log& logWrite(const char* text);
Log& logWrite(const std::string& text);
Log& logWrite(int32_t number);
Log& logWrite(uint32_t number);
Log& logDone();
Log& logSection(const char* title);

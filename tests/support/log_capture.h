#pragma once
// Reads what the process-wide log gained since the capture began, wherever "log.txt" was opened.
#include <string>

class LogCapture {
public:
    LogCapture();
    std::string text() const;  // everything written since construction

private:
    std::string path_;
    long start_ = 0;
};

#pragma once
// Reads back what the process-wide log ("log.txt") received. The first capture in a process
// opens the log in a temporary folder, so tests never write into the folder they run from.
#include <string>

class LogCapture {
public:
    LogCapture();                // marks the current end of the log
    std::string written() const;  // everything logged since the mark

private:
    size_t start_;
};

#include "memory_file.h"

#include <sys/mman.h>
#include <unistd.h>

MemoryFile::MemoryFile()
{
    fd_ = memfd_create("fuzz-input", 0);
    path_ = "/proc/self/fd/" + std::to_string(fd_);
}

bool MemoryFile::replace(const uint8_t* bytes, size_t size)
{
    if (fd_ < 0 || ftruncate(fd_, 0) != 0) return false;
    size_t done = 0;
    while (done < size) {
        ssize_t n = pwrite(fd_, bytes + done, size - done, off_t(done));
        if (n <= 0) return false;
        done += size_t(n);
    }
    return true;
}

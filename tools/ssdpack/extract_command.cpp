// ssdpack x and t: extraction through the program's own archive reader (coming with the reader).
#include <cstdio>

#include "commands.h"

int runExtract(const Arguments&) {
    std::fputs("ssdpack: x is not available in this build\n", stderr);
    return 1;
}

int runTest(const Arguments&) {
    std::fputs("ssdpack: t is not available in this build\n", stderr);
    return 1;
}

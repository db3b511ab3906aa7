// ssdpack: creates, lists, extracts and tests the program's resource archives.
#include <cstdio>
#include <cstring>

#include "commands.h"

using namespace ssdpack;

void ssdpack::printUsage() {
    std::fputs(
        "usage: ssdpack a [-s] [-m0..-m5] [-mm] ARCHIVE PATH...   create ARCHIVE from files and folders\n"
        "       ssdpack l ARCHIVE                                list the entries\n"
        "       ssdpack x ARCHIVE NAME [OUT|-]                   extract one entry (to OUT or standard output)\n"
        "       ssdpack x ARCHIVE -d DIR                         extract every entry into DIR\n"
        "       ssdpack t ARCHIVE                                test every entry\n"
        "  -m0 stores, -m1 (fastest) to -m5 (smallest), default -m3; -s solid; -mm audio mode where it pays\n",
        stderr);
}

int main(int argc, char** argv) {
    if (argc < 2) {
        printUsage();
        return 2;
    }
    Arguments args(argv + 2, argv + argc);
    const char* command = argv[1];
    if (std::strcmp(command, "a") == 0) return runPack(args);
    if (std::strcmp(command, "l") == 0) return runList(args);
    if (std::strcmp(command, "x") == 0) return runExtract(args);
    if (std::strcmp(command, "t") == 0) return runTest(args);
    if (std::strcmp(command, "-h") == 0 || std::strcmp(command, "--help") == 0) {
        printUsage();
        return 0;
    }
    std::fprintf(stderr, "ssdpack: unknown command '%s'\n", command);
    printUsage();
    return 2;
}

#pragma once
// The ssdpack commands; each takes the arguments after its letter and returns the exit status.
#include <string>
#include <vector>

namespace ssdpack {

using Arguments = std::vector<std::string>;

int runPack(const Arguments& args);     // a [-s] [-m0..-m5] [-mm] ARCHIVE PATH...
int runList(const Arguments& args);     // l ARCHIVE
int runExtract(const Arguments& args);  // x ARCHIVE NAME [OUT|-]   or   x ARCHIVE -d DIR
int runTest(const Arguments& args);     // t ARCHIVE

void printUsage();

}  // namespace ssdpack

// make_meshes OUT_DIR: writes OUT_DIR/sphere.dat (seen from outside, for planets) and
// OUT_DIR/env.dat (seen from inside, for sky domes).

#include <cstdio>
#include <string>
#include <vector>

#include "content/sphere_mesh.h"

namespace {

// 64 x 32 segments keep the outline round even when a planet fills the screen.
constexpr int kSlices = 64;
constexpr int kStacks = 32;

bool writeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_meshes OUT_DIR\n");
        return 2;
    }
    std::string folder = argv[1];
    auto sphere = content::serializeMesh(content::makeSphere(kSlices, kStacks, content::Facing::Outward));
    auto dome = content::serializeMesh(content::makeSphere(kSlices, kStacks, content::Facing::Inward));
    if (!writeFile(folder + "/sphere.dat", sphere) || !writeFile(folder + "/env.dat", dome)) {
        std::fprintf(stderr, "make_meshes: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}

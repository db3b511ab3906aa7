// Each test process works in a folder of its own: the process log opens "log.txt" in the current
// folder with truncation, and ctest runs test processes side by side.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

struct PrivateFolder {
    std::string path;

    PrivateFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vantrelle-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) && chdir(pattern.c_str()) == 0)
            path = pattern;
    }

    ~PrivateFolder()
    {
        if (path.empty())
            return;
        std::error_code ignored;
        std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
        std::filesystem::remove_all(path, ignored);
    }
};

PrivateFolder privateFolder;

}  // namespace

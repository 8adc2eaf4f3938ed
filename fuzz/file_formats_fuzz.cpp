// Random bytes as a glyph file at a random current character and as a map file at a random
// map size, through the program's loaders, against a model of the two formats.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz/model/format_check.h"

namespace {

// One folder for the whole session, removed at exit.
struct Folder {
    Folder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "pixlore-formats-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        path = pattern;
    }
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string path;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Folder folder;
    const std::string fault = pixlore::model::CheckFileFormats(data, size, folder.path);
    if (fault.empty()) return 0;
    std::fprintf(stderr, "\nFormat check failed: %s\n", fault.c_str());
    std::abort();
}

#include "fuzz/driver/scratch_files.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace pixlore::fuzz {
namespace {

// The lengths the formats know, each also tried one byte short and one byte long.
constexpr int kFormatSizes[] = {768, 960, 1024, 1920, 2048, 4000};

std::size_t DrawSize(ByteSource& in) {
    switch (in.below(7)) {
        case 0:
            return 0;
        case 1:
            return 1 + in.below(16);
        case 2:
            return static_cast<std::size_t>(kFormatSizes[in.below(6)] + in.below(3) - 1);
        case 3:
            return static_cast<std::size_t>(in.below(4097));
        case 4:
            return static_cast<std::size_t>(4001 + in.below(4096));
        case 5:
            return static_cast<std::size_t>(8 * in.below(257));
        default:
            return static_cast<std::size_t>(2049 + in.below(1000));
    }
}

// Content either straight from the input or from a generator seeded by it, which keeps
// inputs short while files stay large.
std::vector<char> DrawContent(ByteSource& in, std::size_t size) {
    std::vector<char> content(size);
    if (in.below(4) == 0) {
        const std::vector<std::uint8_t> raw = in.bytes(size);
        for (std::size_t i = 0; i < raw.size(); ++i)
            content[i] = static_cast<char>(raw[i]);
        return content;
    }
    std::uint32_t state = in.u32() | 1;
    for (char& c : content) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        c = static_cast<char>(state >> 24);
    }
    return content;
}

}  // namespace

ScratchFiles::ScratchFiles() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pixlore-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data())) folder_ = pattern;
}

ScratchFiles::~ScratchFiles() {
    std::error_code ignored;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
}

std::string ScratchFiles::freshName(ByteSource& in) {
    static const char* const kExtensions[] = {".fnt", ".map", ".FNT", "", ".bmp", " .map"};
    return folder_ + "/f" + std::to_string(counter_++) + kExtensions[in.below(6)];
}

std::string ScratchFiles::makeFile(ByteSource& in) {
    const std::string name = freshName(in);
    const std::vector<char> content = DrawContent(in, DrawSize(in));
    std::ofstream(name, std::ios::binary)
        .write(content.data(), static_cast<std::streamsize>(content.size()));
    made_.push_back(name);
    return name;
}

std::string ScratchFiles::pickName(ByteSource& in, bool save) {
    switch (in.below(12)) {
        case 0:
        case 1:
        case 2:
        case 3:
            return makeFile(in);
        case 4:
            if (!made_.empty()) return made_[in.below(static_cast<int>(made_.size()))];
            return makeFile(in);
        case 5: {
            const std::string first = makeFile(in);
            return first + "\n" + makeFile(in);
        }
        case 6:
            // Saved to, the folder's name without its slash would get an extension and
            // name a file beside the folder.
            return in.flag() && !save ? folder_ : folder_ + "/";
        case 7: {
            const std::string sub = folder_ + "/dir" + std::to_string(counter_++) + ".fnt";
            std::filesystem::create_directory(sub);
            return sub;
        }
        case 8:
            return freshName(in);
        case 9:
            return folder_ + "/missing/" + std::to_string(counter_++);
        case 10: {
            // A name the next save makes, so that later loads find it.
            const std::string name = freshName(in);
            made_.push_back(name);
            return name;
        }
        default: {
            static const char* const kBlank[] = {"", " ", "   "};
            const char* blank = kBlank[in.below(3)];
            return save ? folder_ + "/" + blank : blank;
        }
    }
}

}  // namespace pixlore::fuzz

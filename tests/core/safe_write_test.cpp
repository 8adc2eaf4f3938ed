#include "files/safe_write.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "temp_folder.h"

namespace pixlore {
namespace {

using testing::Pattern;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

mode_t ModeOf(const std::string& name) {
    struct stat st {};
    stat(name.c_str(), &st);
    return st.st_mode & 07777;
}

TEST(SafeWrite, ReplacesTheContentKeepingPermissionsAndLeavesNoTemporaryFile) {
    TempFolder folder;
    const std::string name = folder / "old file.fnt";
    WriteBytes(name, Pattern(4000, 1));
    ASSERT_EQ(chmod(name.c_str(), 0640), 0);
    const std::vector<std::uint8_t> bytes = Pattern(768, 2);
    ASSERT_EQ(SafeWrite(name, bytes), WriteStatus::Written);
    EXPECT_EQ(ReadBytes(name), bytes);
    EXPECT_EQ(ModeOf(name), 0640u);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"old file.fnt"});
}

TEST(SafeWrite, CreatesANewFileWithTheUsualPermissions) {
    TempFolder folder;
    const mode_t mask = umask(022);
    const std::string name = folder / "Шрифт été.fnt";
    EXPECT_EQ(SafeWrite(name, Pattern(10, 3)), WriteStatus::Written);
    umask(mask);
    EXPECT_EQ(ReadBytes(name), Pattern(10, 3));
    EXPECT_EQ(ModeOf(name), 0644u);
}

TEST(SafeWrite, WritesThroughASymbolicLink) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "real");
    WriteBytes(folder / "real/f.fnt", Pattern(5, 1));
    std::filesystem::create_symlink(folder / "real/f.fnt", folder / "link.fnt");
    ASSERT_EQ(SafeWrite(folder / "link.fnt", Pattern(8, 4)), WriteStatus::Written);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.fnt"));
    EXPECT_EQ(ReadBytes(folder / "real/f.fnt"), Pattern(8, 4));
}

}  // namespace
}  // namespace pixlore

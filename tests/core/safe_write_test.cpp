#include "files/safe_write.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
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

TEST(SafeWrite, RefusesTargetsThatAreNotRegularFilesOrHaveNoFolder) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "folder.fnt");
    ASSERT_EQ(mkfifo((folder / "pipe.fnt").c_str(), 0600), 0);
    EXPECT_EQ(SafeWrite(folder / "folder.fnt", {1}), WriteStatus::NotRegular);
    EXPECT_EQ(SafeWrite(folder / "pipe.fnt", {1}), WriteStatus::NotRegular);
    EXPECT_EQ(SafeWrite("/dev/null", {1}), WriteStatus::NotRegular);
    EXPECT_EQ(SafeWrite(folder / "no such folder/f.fnt", {1}), WriteStatus::CannotCreate);
    EXPECT_TRUE(std::filesystem::is_fifo(folder / "pipe.fnt"));
    EXPECT_EQ(folder.entries().size(), 2u);
}

TEST(SafeWrite, FailedWritesLeaveTheOldFileAsItWas) {
    TempFolder folder;
    const std::string name = folder / "f.fnt";
    const std::vector<std::uint8_t> old = Pattern(3000, 6);
    WriteBytes(name, old);
    // A child whose files may not grow past 1000 bytes: write() then fails with EFBIG.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(static_cast<int>(SafeWrite(name, Pattern(2048, 7))));
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), static_cast<int>(WriteStatus::WriteFailed));
    EXPECT_EQ(ReadBytes(name), old);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"f.fnt"});
}

}  // namespace
}  // namespace pixlore

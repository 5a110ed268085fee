#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "FileSizeLimit.h"
#include "TempDir.h"
#include "output/AtomicFile.h"

namespace mirel {
namespace {

namespace fs = std::filesystem;

std::size_t entriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

TEST(AtomicFileTest, AFailedWriteLeavesThePreviousFileAndNoTemporary) {
    test::TempDir dir;
    const auto target = dir.write("Rireki.txt", "the previous good file");
    {
        const test::ScopedFileSizeLimit full(4096);
        const FileWriteResult result = replaceFile(target, std::string(100000, 'x'));
        EXPECT_EQ(result.status, FileWriteStatus::kWriteFailed);
        EXPECT_NE(result.error, 0);
        const auto viaCallback = replaceFileWith(target, [](const fs::path&) { return false; });
        EXPECT_EQ(viaCallback.status, FileWriteStatus::kWriteFailed);
    }
    EXPECT_EQ(dir.read("Rireki.txt"), "the previous good file");
    EXPECT_EQ(entriesIn(dir.path()), 1u);

    ASSERT_TRUE(replaceFile(target, "new").written());
    EXPECT_EQ(dir.read("Rireki.txt"), "new");
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(AtomicFileTest, AReplacedFileKeepsItsPermissionsAndAPrivateOneIsTheUsersAlone) {
    test::TempDir dir;
    const auto mode = [](const fs::path& p) {
        struct stat st {};
        ::stat(p.c_str(), &st);
        return st.st_mode & 07777;
    };
    const auto shared = dir.write("shared.mirel", "old");
    ::chmod(shared.c_str(), 0640);
    const auto opened = dir.write("opened.mirel", "old");
    ::chmod(opened.c_str(), 0666);
    const struct {
        fs::path path;
        FileAccess access;
        mode_t expected;
    } cases[] = {
        {shared, FileAccess::kAsBefore, 0640},
        {opened, FileAccess::kPrivate, 0600},
        {dir.path() / "recovery.mirel", FileAccess::kPrivate, 0600},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(replaceFile(c.path, "new", c.access).written()) << c.path;
        EXPECT_EQ(mode(c.path), c.expected) << c.path;
    }
}

TEST(AtomicFileTest, OnlyRegularFilesAreReplacedAndALinkStaysALink) {
    test::TempDir dir;
    const auto fifo = dir.path() / "face.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_directory(dir.path() / "folder.txt");
    ::alarm(20);  // opening the FIFO for writing would wait for a reader for ever
    EXPECT_EQ(replaceFile(fifo, "face").status, FileWriteStatus::kOpenFailed);
    EXPECT_EQ(replaceFile(dir.path() / "folder.txt", "x").status, FileWriteStatus::kOpenFailed);
    ::alarm(0);
    EXPECT_TRUE(fs::is_fifo(fifo));

    const auto real = dir.write("real.txt", "old");
    fs::create_symlink(real, dir.path() / "link.txt");
    ASSERT_TRUE(replaceFile(dir.path() / "link.txt", "new").written());
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link.txt"));
    EXPECT_EQ(dir.read("real.txt"), "new");
}

}  // namespace
}  // namespace mirel

#include "app/FileIo.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tessra {
namespace {

using test::ReadBytes;
using test::WriteBytes;

bool IsCharDevice(const char* path)
{
    struct stat info {};
    return ::stat(path, &info) == 0 && S_ISCHR(info.st_mode);
}

TEST(FileIo, DevicesAndPipesAreWrittenInPlace)
{
    ASSERT_TRUE(IsCharDevice("/dev/null"));
    EXPECT_TRUE(WriteFileAtomically("/dev/null", "bytes"));
    EXPECT_TRUE(IsCharDevice("/dev/null"));
    if (IsCharDevice("/dev/full")) {
        EXPECT_FALSE(WriteFileAtomically("/dev/full", "bytes"));
        EXPECT_TRUE(IsCharDevice("/dev/full"));
    }

    test::TempDir dir;
    const std::string fifo = dir.File("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = ReadBytes(fifo); });
    EXPECT_TRUE(WriteFileAtomically(fifo, "through the pipe"));
    reader.join();
    EXPECT_EQ(received, "through the pipe");
    struct stat info {};
    ASSERT_EQ(::stat(fifo.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_FALSE(WriteFileAtomically(fifo, "nobody reads"));  // fails instead of hanging
}

TEST(FileIo, DirectoryIsRefused)
{
    test::TempDir dir;
    const std::string folder = dir.File("folder");
    std::filesystem::create_directory(folder);
    EXPECT_FALSE(WriteFileAtomically(folder, "bytes"));
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path() / "folder"));
}

TEST(FileIo, HardLinkedFileKeepsItsOtherNames)
{
    test::TempDir dir;
    const std::string first = dir.File("first"), second = dir.File("second");
    WriteBytes(first, "old content that is longer");
    ASSERT_EQ(::link(first.c_str(), second.c_str()), 0);
    EXPECT_TRUE(WriteFileAtomically(first, "new"));
    EXPECT_EQ(ReadBytes(first), "new");
    EXPECT_EQ(ReadBytes(second), "new");
    EXPECT_EQ(std::filesystem::hard_link_count(first), 2u);
}

// Runs `save` in a child as an ordinary user, since root may write anything: 0 when it saved,
// 1 when it refused, 2 when the privileges could not be dropped.
int ExitOfSaveAsOrdinaryUser(const std::function<bool()>& save)
{
    const pid_t child = ::fork();
    if (child < 0) return -1;
    if (child == 0) {
        if (::geteuid() == 0 && (::setresgid(65534, 65534, 65534) != 0 ||
                                 ::setresuid(65534, 65534, 65534) != 0))
            ::_exit(2);
        ::_exit(save() ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

TEST(FileIo, ReadOnlyFileIsRefusedAndUnchanged)
{
    test::TempDir dir;
    const std::string path = dir.File("locked");
    WriteBytes(path, "original");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0777), 0);  // only the file's own permission refuses
    EXPECT_EQ(ExitOfSaveAsOrdinaryUser([&] { return WriteFileAtomically(path, "replaced"); }), 1);
    EXPECT_EQ(ReadBytes(path), "original");
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms(0444));
}

TEST(FileIo, WritableFileInReadOnlyFolderIsRewrittenInPlace)
{
    test::TempDir dir;
    const std::string path = dir.File("Tessra.ini"), other = dir.File("new.ini");
    WriteBytes(path, "a longer old record");
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0555), 0);
    EXPECT_EQ(ExitOfSaveAsOrdinaryUser([&] { return WriteFileAtomically(path, "new record"); }), 0);
    EXPECT_EQ(ReadBytes(path), "new record");
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    // A file that is not there yet cannot be made in that folder.
    EXPECT_EQ(ExitOfSaveAsOrdinaryUser([&] { return WriteFileAtomically(other, "bytes"); }), 1);
    EXPECT_FALSE(std::filesystem::exists(other));
    const auto leftovers = std::distance(std::filesystem::directory_iterator(dir.Path()),
                                         std::filesystem::directory_iterator());
    EXPECT_EQ(leftovers, 1);
    ::chmod(dir.Path().c_str(), 0700);
}

}  // namespace
}  // namespace tessra

#include "app/FileIo.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
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

TEST(FileIo, ReadOnlyFileIsRefusedAndUnchanged)
{
    test::TempDir dir;
    const std::string path = dir.File("locked");
    WriteBytes(path, "original");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    // Root may write anything, so the save is tried as an ordinary user in a child.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setresgid(65534, 65534, 65534) != 0 ||
                                 ::setresuid(65534, 65534, 65534) != 0))
            ::_exit(2);
        ::_exit(WriteFileAtomically(path, "replaced") ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: written, 2: could not drop privileges";
    EXPECT_EQ(ReadBytes(path), "original");
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms(0444));
}

}  // namespace
}  // namespace tessra

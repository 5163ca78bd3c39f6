#include "document/FileIo.h"

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

TEST(FileIo, DevicesAndPipesAreWrittenInPlaceAndADirectoryIsRefused)
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

    const std::string folder = dir.File("folder");
    std::filesystem::create_directory(folder);
    EXPECT_FALSE(WriteFileAtomically(folder, "bytes"));
    EXPECT_TRUE(std::filesystem::is_directory(folder) && std::filesystem::is_empty(folder));
}

// A file with another name is rewritten in place: that name sees the new bytes, or the old ones
// when the disk is full.
TEST(FileIo, HardLinkedFileKeepsItsOtherNamesAndItsOldContentWhenTheDiskIsFull)
{
    test::TempDir dir;
    const std::string first = dir.File("first"), second = dir.File("second");
    const std::string old(3000, 'o');
    WriteBytes(first, old);
    ASSERT_EQ(::link(first.c_str(), second.c_str()), 0);
    {
        test::FileSizeLimit fullDisk(4096);
        EXPECT_FALSE(WriteFileAtomically(first, std::string(10000, 'n')));
    }
    EXPECT_EQ(ReadBytes(second), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2);
    EXPECT_TRUE(WriteFileAtomically(first, "new"));
    EXPECT_EQ(std::tuple(ReadBytes(first), ReadBytes(second), std::filesystem::hard_link_count(first)), std::tuple("new", "new", 2u));
}

// Root may write anything, so the save runs in a child as an ordinary user: 0 when it saved,
// 1 when it was refused, 2 when the privileges could not be dropped.
int SaveAsOrdinaryUser(const std::string& path, std::string_view bytes)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setresgid(65534, 65534, 65534) != 0 || ::setresuid(65534, 65534, 65534) != 0))
            ::_exit(2);
        ::_exit(WriteFileAtomically(path, bytes) ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(FileIo, ReadOnlyFileIsRefusedAndAWritableOneInAReadOnlyFolderRewrittenInPlace)
{
    test::TempDir dir;
    const std::string locked = dir.File("locked"), record = dir.File("Tessra.ini");
    WriteBytes(locked, "original");
    WriteBytes(record, "a longer old record");
    ASSERT_EQ(::chmod(locked.c_str(), 0444) | ::chmod(record.c_str(), 0666) | ::chmod(dir.Path().c_str(), 0777), 0);
    EXPECT_EQ(SaveAsOrdinaryUser(locked, "replaced"), 1);  // though the folder allows a rename
    EXPECT_EQ(ReadBytes(locked), "original");
    EXPECT_EQ(std::filesystem::status(locked).permissions() & std::filesystem::perms::all,
              std::filesystem::perms(0444));

    ASSERT_EQ(::chmod(dir.Path().c_str(), 0555), 0);  // no temporary file beside the record now
    EXPECT_EQ(SaveAsOrdinaryUser(record, "new record"), 0);
    EXPECT_EQ(ReadBytes(record), "new record");
    EXPECT_EQ(SaveAsOrdinaryUser(dir.File("new.ini"), "bytes"), 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2);  // nothing left over
}

}  // namespace
}  // namespace tessra

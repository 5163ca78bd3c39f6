#include "document/FileIo.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <thread>
#include <sys/stat.h>
#include <unistd.h>

namespace tessra {
namespace {

namespace fs = std::filesystem;

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A link is followed, so the file it names is replaced and the link stays.
fs::path ResolvedTarget(const std::string& path)
{
    std::error_code error;
    const fs::path target = fs::weakly_canonical(fs::path(path), error);
    return error ? fs::path(path) : target;
}

// The replacement keeps the permissions of the file it replaces; a new file gets the usual ones.
mode_t ModeFor(const fs::path& target)
{
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A file rewritten in place gets room for all of its new bytes before the first old byte is
// overwritten, so that a full disk fails the save with the old content whole. Where no room can
// be reserved (the C library already stands in for a kernel without the call, so this means the
// file system cannot say), the file is not written at all rather than risked.
bool ReserveRoom(int fd, std::size_t size)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0) return false;
    if (size == 0) return true;  // nothing to reserve, and the call refuses a zero length
    int error = 0;
    do error = ::posix_fallocate(fd, 0, static_cast<off_t>(size));
    while (error == EINTR);
    if (error == 0) return true;
    // A reservation cut short may have lengthened the file; its old bytes are all still there.
    const int cutBack = ::ftruncate(fd, info.st_size);
    static_cast<void>(cutBack);
    return false;
}

// A device, a pipe, a file with other names or a file in a folder that takes no new file is
// written where it is: a rename would put a plain file in the device's place, part the names or
// be impossible. A plain file is cut to the new length only after every byte is written.
bool WriteInPlace(const fs::path& target, std::string_view bytes, bool regularFile)
{
    // A pipe nobody reads would block the open for ever: wait a little for a reader, then fail.
    const int flags = O_WRONLY | O_CLOEXEC | O_NONBLOCK;
    int fd = ::open(target.c_str(), flags);
    for (int tries = 0; fd < 0 && errno == ENXIO && tries < 200; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        fd = ::open(target.c_str(), flags);
    }
    if (fd < 0) return false;
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (regularFile && !ReserveRoom(fd, bytes.size())) {
        ::close(fd);
        return false;
    }
    bool written = WriteAll(fd, bytes);
    if (regularFile) {
        written = written && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
    }
    return ::close(fd) == 0 && written;
}

}  // namespace

std::optional<std::string> ReadFileHead(const std::string& path, std::size_t limit)
{
    std::error_code error;
    if (!fs::is_regular_file(fs::path(path), error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    // Read in blocks: a generous limit costs nothing for the usual small file.
    std::string bytes;
    std::array<char, 1 << 16> block;
    while (in && bytes.size() < limit) {
        in.read(block.data(), static_cast<std::streamsize>(std::min(block.size(), limit - bytes.size())));
        bytes.append(block.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) return std::nullopt;
    return bytes;
}

bool IsSameFile(const std::string& first, const std::string& second)
{
    struct stat one {}, other {};
    return ::stat(first.c_str(), &one) == 0 && ::stat(second.c_str(), &other) == 0 &&
           one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    const fs::path target = ResolvedTarget(path);
    if (target.filename().empty()) return false;
    struct stat info {};
    const bool exists = ::stat(target.c_str(), &info) == 0;
    if (exists) {
        if (S_ISDIR(info.st_mode)) return false;
        if (!S_ISREG(info.st_mode)) return WriteInPlace(target, bytes, false);
        if (info.st_nlink > 1) return WriteInPlace(target, bytes, true);
        // A file the user may not write is not replaced behind its back.
        const int probe = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
        if (probe < 0) return false;
        ::close(probe);
    }
    std::string temporary =
        (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();

    const int fd = ::mkstemp(temporary.data());
    // A folder the user may not write still lets a writable file there be rewritten.
    if (fd < 0) return exists && WriteInPlace(target, bytes, true);
    const bool written = ::fchmod(fd, ModeFor(target)) == 0 && WriteAll(fd, bytes) &&
                         ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace tessra

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessra {

// Whole files are read and written in one operation.

// At most `limit` bytes from the start of the regular file at `path` (a directory, a pipe or a
// device is not opened, so nothing can block); nullopt when it cannot be opened or read.
std::optional<std::string> ReadFileHead(const std::string& path, std::size_t limit);

// Replaces the file at `path` with `bytes` only once every byte is written and flushed to disk:
// the bytes go to a temporary file in the same directory, which is then renamed over the target.
// On any failure the target is untouched, the temporary file is removed and false is returned.
// A target that is a device or a pipe, a file with more than one name, or a writable file in a
// folder where no temporary file can be made, is written in place; a file so written first gets
// room for every new byte, and when that fails keeps its old content. A directory, or a file
// that could not be opened for writing, is refused.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Whether both paths name one existing file, links followed: writing the one replaces the other.
bool IsSameFile(const std::string& first, const std::string& second);

}  // namespace tessra

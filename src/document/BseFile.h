#pragma once

#include "document/Document.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessra {

// BSE braille documents: a 514-byte header (preset key, stored format, page size), then one line
// per braille line, one byte per cell, each ended by CR LF, and a closing 0x1A.

inline constexpr std::size_t kBseHeaderSize = 514;
inline constexpr std::size_t kBseSizeLimit = 1'000'000;  // files this large are refused

namespace bse {
inline constexpr std::size_t kPresetKeyOffset = 358;
inline constexpr std::size_t kFormatOffset = 408;
inline constexpr std::size_t kHeaderCountOffset = 504;
inline constexpr std::size_t kCellsPerLineOffset = 508;
inline constexpr std::size_t kLinesPerPageOffset = 510;
inline constexpr char kEndOfFile = '\x1A';
}  // namespace bse

inline constexpr std::string_view kOpenFailedMessage = "ファイルのオープンに失敗しました。";
inline constexpr std::string_view kTooLargeMessage =
    "サイズが１Ｍ バイト 以上の大きいファイルは開けません。";
inline constexpr std::string_view kSaveFailedMessage = "ファイルの保存に失敗しました。";

// A size limit in the messages' words, counted in whole millions of bytes: "１Ｍ バイト".
std::string SizeLimitWords(std::size_t limit);
// "サイズが１Ｍ バイト 以上の大きいファイルは開けません。" for any limit.
std::string TooLargeToOpenMessage(std::size_t limit);
// Why a file that its reader would refuse is not written.
std::string TooLargeToSaveMessage(std::size_t limit);

// The size of the file that BuildSaveImage makes of `lines`.
std::size_t BseImageSize(const std::vector<std::string>& lines);

// The header fields and the lines of a file image, appended to `lines`. Missing header bytes
// read as blanks. Text after the last LF is kept as a last line, without one closing 0x1A.
void ParseBseImage(std::string_view image, DocumentContent& content);

// Reads the file at `path`. On failure returns the message to show and changes nothing.
std::optional<std::string> ReadBseFile(const std::string& path, DocumentContent& content);

// The format as a file stores it: the selected key padded, the format string rebuilt.
FormatChoice StoredChoice(const FormatChoice& choice);
// The whole file image, its header from the stored format.
std::string BuildSaveImage(const DocumentContent& content);
// Writes the image to the document's path, replacing the old file only once every byte is on
// disk. An image of kBseSizeLimit bytes or more, which could not be opened again, is not
// written. On failure the old file is untouched, the document keeps its modified flag and the
// message is returned.
std::optional<std::string> WriteBseFile(Document& document);

}  // namespace tessra

#include "document/BseFile.h"

#include "document/FileIo.h"
#include "format/FormatString.h"
#include "format/NumberText.h"

namespace tessra {
namespace {

void SplitLines(std::string_view body, std::vector<std::string>& lines)
{
    std::string current;
    for (const char byte : body) {
        if (byte == '\r') continue;
        if (byte == '\n') {
            lines.push_back(std::move(current));
            current.clear();
        } else {
            current += byte;
        }
    }
    // A last line without LF is the user's text too; only the closing 0x1A is not.
    if (!current.empty() && current.back() == bse::kEndOfFile) current.pop_back();
    if (!current.empty()) lines.push_back(std::move(current));
}

void PutField(std::string& header, std::size_t offset, std::size_t width, int value)
{
    header.replace(offset, width, ZeroPadded(value, static_cast<int>(width)).substr(0, width));
}

}  // namespace

std::string SizeLimitWords(std::size_t limit)
{
    std::string words;
    for (const char digit : std::to_string(limit / 1'000'000)) {
        words += "\xEF\xBC";  // full-width digits, U+FF10 …
        words += static_cast<char>(0x90 + (digit - '0'));
    }
    return words + "Ｍ バイト";
}

std::string TooLargeToOpenMessage(std::size_t limit)
{
    return "サイズが" + SizeLimitWords(limit) + " 以上の大きいファイルは開けません。";
}

std::string TooLargeToSaveMessage(std::size_t limit)
{
    return "サイズが" + SizeLimitWords(limit) + " 以上になり開けなくなるため、保存できません。";
}

std::size_t BseImageSize(const std::vector<std::string>& lines)
{
    std::size_t size = kBseHeaderSize + 1;
    for (const std::string& line : lines) size += (line.empty() ? 2 : line.size()) + 2;  // an empty line is written as two blanks
    return size;
}

void ParseBseImage(std::string_view image, AppState& state)
{
    state.fileHeader = std::string(image.substr(0, kBseHeaderSize));
    if (image.size() > kBseHeaderSize) SplitLines(image.substr(kBseHeaderSize), state.lines);

    const std::string& header = state.fileHeader;
    state.cellsPerLine = TextToInt(FixedField(header, bse::kCellsPerLineOffset, 2));
    state.linesPerPage = TextToInt(FixedField(header, bse::kLinesPerPageOffset, 2));
    state.headerCount = TextToInt(FixedField(header, bse::kHeaderCountOffset, 4));
    state.filePresetKey = FixedField(header, bse::kPresetKeyOffset, kPresetKeyLength);
    state.formatString = FixedField(header, bse::kFormatOffset, kStoredFormatLength);
}

std::optional<std::string> ReadBseFile(AppState& state)
{
    const std::optional<std::string> image = ReadFileHead(state.filePath, kBseSizeLimit);
    if (!image) return state.filePath + "\n\n" + std::string(kOpenFailedMessage);
    if (image->size() >= kBseSizeLimit) return TooLargeToOpenMessage(kBseSizeLimit);
    ParseBseImage(*image, state);
    return std::nullopt;
}

void BuildFileHeader(AppState& state)
{
    std::string header(kBseHeaderSize - 2, ' ');
    header += "\r\n";
    PutField(header, bse::kHeaderCountOffset, 4, state.headerCount);
    PutField(header, bse::kCellsPerLineOffset, 2, state.cellsPerLine);
    PutField(header, bse::kLinesPerPageOffset, 2, state.linesPerPage);
    state.filePresetKey = PadPresetKey(state.selectedPresetKey);
    header.replace(bse::kPresetKeyOffset, kPresetKeyLength,
                   state.filePresetKey.substr(0, kPresetKeyLength));
    state.formatString = BuildFormatString(state.format, state.sameDataForAllLabels);
    header.replace(bse::kFormatOffset, kStoredFormatLength,
                   FixedField(state.formatString, 0, kStoredFormatLength));
    state.fileHeader = std::move(header);
}

void BuildSaveImage(AppState& state)
{
    BuildFileHeader(state);
    std::string image = state.fileHeader;
    for (const std::string& line : state.lines) {
        image += line.empty() ? std::string_view("  ") : std::string_view(line);
        image += "\r\n";
    }
    image += bse::kEndOfFile;
    state.saveImage = std::move(image);
}

std::optional<std::string> WriteBseFile(AppState& state)
{
    BuildSaveImage(state);
    if (state.saveImage.size() >= kBseSizeLimit) return TooLargeToSaveMessage(kBseSizeLimit);
    if (!WriteFileAtomically(state.filePath, state.saveImage))
        return std::string(kSaveFailedMessage);
    state.modified = false;
    return std::nullopt;
}

}  // namespace tessra

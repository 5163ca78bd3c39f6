#include "document/BseFile.h"

#include "app/FileIo.h"
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
    if (image->size() >= kBseSizeLimit) return std::string(kTooLargeMessage);
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
    if (!WriteFileAtomically(state.filePath, state.saveImage))
        return std::string(kSaveFailedMessage);
    state.modified = false;
    return std::nullopt;
}

}  // namespace tessra

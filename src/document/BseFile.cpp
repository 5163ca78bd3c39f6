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

void ParseBseImage(std::string_view image, DocumentContent& content)
{
    const std::string header(image.substr(0, kBseHeaderSize));
    if (image.size() > kBseHeaderSize) SplitLines(image.substr(kBseHeaderSize), content.lines);

    content.cellsPerLine = TextToInt(FixedField(header, bse::kCellsPerLineOffset, 2));
    content.linesPerPage = TextToInt(FixedField(header, bse::kLinesPerPageOffset, 2));
    content.headerCount = TextToInt(FixedField(header, bse::kHeaderCountOffset, 4));
    content.choice.filePresetKey = FixedField(header, bse::kPresetKeyOffset, kPresetKeyLength);
    content.choice.formatString = FixedField(header, bse::kFormatOffset, kStoredFormatLength);
}

std::optional<std::string> ReadBseFile(const std::string& path, DocumentContent& content)
{
    const std::optional<std::string> image = ReadFileHead(path, kBseSizeLimit);
    if (!image) return path + "\n\n" + std::string(kOpenFailedMessage);
    if (image->size() >= kBseSizeLimit) return TooLargeToOpenMessage(kBseSizeLimit);
    ParseBseImage(*image, content);
    return std::nullopt;
}

FormatChoice StoredChoice(const FormatChoice& choice)
{
    FormatChoice stored = choice;
    stored.filePresetKey = PadPresetKey(choice.selectedPresetKey);
    stored.formatString = BuildFormatString(choice.format, choice.sameDataForAllLabels);
    return stored;
}

std::string BuildSaveImage(const DocumentContent& content)
{
    const FormatChoice stored = StoredChoice(content.choice);
    std::string image(kBseHeaderSize - 2, ' ');
    image += "\r\n";
    PutField(image, bse::kHeaderCountOffset, 4, content.headerCount);
    PutField(image, bse::kCellsPerLineOffset, 2, content.cellsPerLine);
    PutField(image, bse::kLinesPerPageOffset, 2, content.linesPerPage);
    image.replace(bse::kPresetKeyOffset, kPresetKeyLength, stored.filePresetKey.substr(0, kPresetKeyLength));
    image.replace(bse::kFormatOffset, kStoredFormatLength, FixedField(stored.formatString, 0, kStoredFormatLength));
    for (const std::string& line : content.lines) {
        image += line.empty() ? std::string_view("  ") : std::string_view(line);
        image += "\r\n";
    }
    image += bse::kEndOfFile;
    return image;
}

std::optional<std::string> WriteBseFile(Document& document)
{
    const std::string image = BuildSaveImage(document.content());
    if (image.size() >= kBseSizeLimit) return TooLargeToSaveMessage(kBseSizeLimit);
    if (!WriteFileAtomically(document.filePath(), image)) return std::string(kSaveFailedMessage);
    document.Saved(document.filePath(), document.fileExtension(), StoredChoice(document.choice()));
    return std::nullopt;
}

}  // namespace tessra

#include "settings/SettingsRecord.h"

#include "document/FileIo.h"
#include "format/NumberText.h"

#include <algorithm>
#include <array>
#include <filesystem>

namespace tessra {
namespace {

struct PositionSetting {
    SettingsSlot slot;
    std::string AppState::*text;
    double AppState::*value;
    std::string_view defaultText;
};

const std::array<PositionSetting, 5> kPositionSettings{{
    {slot::kLeftMargin, &AppState::leftMarginText, &AppState::leftMargin, "10.0"},
    {slot::kTopMargin, &AppState::topMarginText, &AppState::topMargin, "15.0"},
    {slot::kBottomMargin, &AppState::bottomMarginText, &AppState::bottomMargin, "15.0"},
    {slot::kHorizontalCorrection, &AppState::horizontalCorrectionText,
     &AppState::horizontalCorrection, "0.0"},
    {slot::kVerticalCorrection, &AppState::verticalCorrectionText, &AppState::verticalCorrection,
     "0.0"},
}};

struct Region {
    std::size_t begin;
    std::size_t end;
};

constexpr Region kPrinterRegion{256, 768};
constexpr Region kPrintPositionRegion{768, 880};

// A short record reads as if padded with zero bytes; a long one is cut.
std::string FullRecord(std::string_view bytes)
{
    std::string record(bytes.substr(0, kSettingsRecordSize));
    record.resize(kSettingsRecordSize, '\0');
    return record;
}

void SetPosition(AppState& state, const PositionSetting& setting, std::string text)
{
    state.*setting.value = TextToDouble(text);
    state.*setting.text = std::move(text);
}

}  // namespace

std::string DecodeSlot(std::string_view record, SettingsSlot s)
{
    std::string text;
    for (std::size_t i = s.offset; i < s.offset + s.length && i < record.size(); ++i) {
        if (record[i] == '\r') break;
        if (record[i] != '\0') text += record[i];
    }
    return text;
}

void EncodeSlot(std::string& record, SettingsSlot s, std::string_view text)
{
    text = text.substr(0, s.length - 2);
    record.replace(s.offset, text.size(), text);
    record.replace(s.offset + text.size(), 2, "\r\n");
}

void ApplyDefaultPrintPosition(AppState& state)
{
    for (const PositionSetting& setting : kPositionSettings)
        SetPosition(state, setting, std::string(setting.defaultText));
}

void ApplySettingsRecord(std::string_view record, AppState& state)
{
    state.printerName = DecodeSlot(record, slot::kPrinterName);
    state.printerModel = DecodeSlot(record, slot::kPrinterModel);
    state.printerPort = DecodeSlot(record, slot::kPrinterPort);
    for (const PositionSetting& setting : kPositionSettings) {
        std::string text = DecodeSlot(record, setting.slot);
        SetPosition(state, setting, text.empty() ? std::string(setting.defaultText) : text);
    }
}

std::string RewrittenRecord(std::string_view bytes, const AppState& state, SettingsRegion region)
{
    std::string record = FullRecord(bytes);
    const Region r = region == SettingsRegion::Printer ? kPrinterRegion : kPrintPositionRegion;
    std::fill(record.begin() + static_cast<std::ptrdiff_t>(r.begin),
              record.begin() + static_cast<std::ptrdiff_t>(r.end), '\0');
    if (region == SettingsRegion::Printer) {
        EncodeSlot(record, slot::kPrinterName, state.printerName);
        EncodeSlot(record, slot::kPrinterModel, state.printerModel);
        EncodeSlot(record, slot::kPrinterPort, state.printerPort);
    } else {
        for (const PositionSetting& setting : kPositionSettings)
            EncodeSlot(record, setting.slot, state.*setting.text);
    }
    return record;
}

void ReadSettings(AppState& state, bool createMissing)
{
    const std::optional<std::string> bytes = ReadFileHead(state.settingsPath, kSettingsRecordSize);
    if (!bytes) {
        ApplyDefaultPrintPosition(state);
        if (createMissing) CreateSettingsFile(state.settingsPath);
        return;
    }
    ApplySettingsRecord(FullRecord(*bytes), state);
}

bool CreateSettingsFile(const std::string& path)
{
    // The per-user location may not exist yet on a first run.
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    return WriteFileAtomically(path, std::string(kSettingsRecordSize, '\0'));
}

bool RewriteSettings(const AppState& state, SettingsRegion region)
{
    const std::optional<std::string> bytes = ReadFileHead(state.settingsPath, kSettingsRecordSize);
    if (!bytes) return false;
    return WriteFileAtomically(state.settingsPath, RewrittenRecord(*bytes, state, region));
}

}  // namespace tessra

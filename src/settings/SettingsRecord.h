#pragma once

#include "document/AppState.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tessra {

// The 1024-byte settings record: fixed slots for the printer and the print position. A slot holds
// its text, CR LF, then zero bytes; a record written by the Windows program reads the same.

inline constexpr std::size_t kSettingsRecordSize = 1024;

struct SettingsSlot {
    std::size_t offset;
    std::size_t length;
};

namespace slot {
inline constexpr SettingsSlot kPrinterName{256, 240};
inline constexpr SettingsSlot kPrinterModel{496, 16};
inline constexpr SettingsSlot kPrinterPort{512, 256};
inline constexpr SettingsSlot kLeftMargin{768, 16};
inline constexpr SettingsSlot kTopMargin{784, 16};
inline constexpr SettingsSlot kBottomMargin{800, 16};
inline constexpr SettingsSlot kHorizontalCorrection{848, 16};
inline constexpr SettingsSlot kVerticalCorrection{864, 16};
}  // namespace slot

// The regions a writer clears and fills; every byte outside its region is kept.
enum class SettingsRegion { Printer, PrintPosition };

// A slot's text: bytes up to the first CR or the slot's end, zero bytes skipped.
std::string DecodeSlot(std::string_view record, SettingsSlot slot);
// The text (cut to the slot length less two) followed by CR LF.
void EncodeSlot(std::string& record, SettingsSlot slot, std::string_view text);

// All fields of the record into the state, each empty position slot taking its default.
void ApplySettingsRecord(std::string_view record, AppState& state);
void ApplyDefaultPrintPosition(AppState& state);
// The record with `region` rebuilt from the state.
std::string RewrittenRecord(std::string_view record, const AppState& state, SettingsRegion region);

// Reads the record at settingsPath; a record that cannot be opened gives the default position
// settings and, when `createMissing`, a new all-zero record. Never reports anything.
void ReadSettings(AppState& state, bool createMissing = true);
bool CreateSettingsFile(const std::string& path);
// The rewrite rule: nothing happens when the record cannot be read. Returns whether it was written;
// when not, the window says so with kSettingsNotSavedMessage and the record's path.
inline constexpr const char* kSettingsNotSavedMessage = "設定を保存できませんでした";
bool RewriteSettings(const AppState& state, SettingsRegion region);

inline bool SavePrinterSelection(const AppState& state)
{
    return RewriteSettings(state, SettingsRegion::Printer);
}

inline bool SavePrintPosition(const AppState& state)
{
    return RewriteSettings(state, SettingsRegion::PrintPosition);
}

}  // namespace tessra

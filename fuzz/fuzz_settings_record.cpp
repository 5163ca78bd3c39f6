// Any bytes as a settings record: decoded without fault, and a rewrite of either region keeps
// every byte outside it.
#include "settings/SettingsRecord.h"

#include <cstdlib>

using namespace tessra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    AppState state;
    ApplySettingsRecord(bytes, state);

    std::string record(bytes.substr(0, kSettingsRecordSize));
    record.resize(kSettingsRecordSize, '\0');
    const std::string printer = RewrittenRecord(bytes, state, SettingsRegion::Printer);
    const std::string margins = RewrittenRecord(bytes, state, SettingsRegion::PrintPosition);
    if (printer.size() != kSettingsRecordSize || margins.size() != kSettingsRecordSize) std::abort();
    if (printer.compare(0, 256, record, 0, 256) != 0 || printer.compare(768, 256, record, 768, 256) != 0)
        std::abort();
    if (margins.compare(0, 768, record, 0, 768) != 0 || margins.compare(880, 144, record, 880, 144) != 0)
        std::abort();

    AppState reread;
    ApplySettingsRecord(printer, reread);
    if (reread.printerName != state.printerName.substr(0, 238)) std::abort();
    return 0;
}

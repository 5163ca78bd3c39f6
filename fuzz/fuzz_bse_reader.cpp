// Any file image through the reader, preset matching and format parsing, then saved and read
// again: the lines must come back as they were (an empty line is saved as two blanks).
#include "document/BseFile.h"
#include "format/Presets.h"

#include <cmath>
#include <cstdlib>

using namespace tessra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    DocumentContent loaded;
    ParseBseImage({reinterpret_cast<const char*>(data), size}, loaded);
    FormatChoice& choice = loaded.choice;
    LoadStoredFormat(choice);
    for (double v : {choice.format.sheetWidth, choice.format.labelHeight, choice.format.linePitch})
        if (!std::isfinite(v)) std::abort();

    choice.selectedPresetKey = choice.formatPresetKey;
    const std::string image = BuildSaveImage(loaded);
    if (StoredChoice(choice).formatString.size() != 50) std::abort();

    DocumentContent reread;
    ParseBseImage(image, reread);
    if (reread.lines.size() != loaded.lines.size()) std::abort();
    for (std::size_t i = 0; i < loaded.lines.size(); ++i) {
        const std::string& line = loaded.lines[i];
        if (reread.lines[i] != (line.empty() ? "  " : line)) std::abort();
    }
    return 0;
}

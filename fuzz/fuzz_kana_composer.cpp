#include "display/KanaReader.h"
#include "display/LineReading.h"
#include "display/SheetWalk.h"
#include "document/ComposeDocument.h"
#include "format/Presets.h"
#include "support/ReadingSpelling.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// Input: a byte choosing the catalogue entry, then the text. A text is either refused with
// messages, leaving the document untouched, or every label reads back as its text.

namespace {

using Lines = std::vector<std::string>;

void Require(bool condition)
{
    if (!condition) std::abort();
}

// Each label's reading, one text per shown line, as `tessra read` prints it.
class LabelReadings final : public tessra::SheetVisitor {
public:
    explicit LabelReadings(const tessra::AppState& state) : cells_(CellsPerLabelLine(state.format)) {}

    void BeginLabel(const tessra::LabelPlace&) override
    {
        reader_.ResetForLabel();
        labels.emplace_back();
    }

    void BeginLine(const tessra::LinePlace& line) override
    {
        std::string padded(line.text);
        if (padded.size() < line.paddedLength) padded.resize(line.paddedLength, ' ');
        labels.back().push_back(tessra::ReadLabelLine(reader_, padded, cells_));
    }

    std::vector<Lines> labels;

private:
    int cells_;
    tessra::KanaReader reader_;
};

// The label texts, split on their own here so that a fault in the composer's split shows.
std::vector<Lines> LabelTexts(std::string_view text, bool& separated)
{
    std::vector<Lines> texts(1);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string line(text.substr(start, end - start));
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line == "---") {
            separated = true;
            texts.emplace_back();
        } else {
            texts.back().push_back(line);
        }
    }
    return texts;
}

void CheckReadings(std::string_view text, const tessra::AppState& state)
{
    bool separated = false;
    const std::vector<Lines> texts = LabelTexts(text, separated);
    Require(state.sameDataForAllLabels == !separated);
    LabelReadings readings(state);
    tessra::WalkSheet(state, readings);
    for (std::size_t k = 0; k < readings.labels.size(); ++k) {
        const std::size_t t = separated ? k : 0;
        const Lines expected = t < texts.size() ? texts[t] : Lines{};
        const Lines& read = readings.labels[k];
        Require(read.size() >= expected.size());
        for (std::size_t j = 0; j < read.size(); ++j)
            Require(read[j] == (j < expected.size() ? tessra::test::ReadingSpelling(expected[j]) : ""));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    const auto presets = tessra::Catalogue();
    const tessra::Preset& preset = presets[data[0] % presets.size()];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    tessra::AppState state;
    const std::vector<std::string> messages = tessra::ComposeDocument(text, preset, state);
    if (messages.empty()) {
        CheckReadings(text, state);
        return 0;
    }
    Require(state.lines.empty());
    for (const std::string& message : messages)
        Require(!message.empty() && tessra::test::Utf8(tessra::test::Utf32(message)) == message);
    return 0;
}

#include "braille/EditableText.h"
#include "braille/KanaReader.h"
#include "braille/LineReading.h"
#include "sheet/SheetWalk.h"
#include "document/ComposeDocument.h"
#include "format/Presets.h"
#include "text/Utf8Text.h"
#include "support/ReadingSpelling.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// Input: a byte choosing the catalogue entry, then the text. A text is either refused with
// messages, leaving the document untouched, or every label of kana text reads back as its text,
// and the editor's text of every page composes back to the page's cells.

namespace {

using Lines = std::vector<std::string>;

void Require(bool condition)
{
    if (!condition) std::abort();
}

// Each label's reading, one text per shown line, as `tessra read` prints it.
class LabelReadings final : public tessra::SheetVisitor {
public:
    explicit LabelReadings(const tessra::AppState& s) : cells_(CellsPerLabelLine(s.document.format())) {}

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

void CheckReadings(std::string_view text, const tessra::AppState& state)
{
    const tessra::LabelSources texts = tessra::SplitLabels(text);
    Require(state.document.sameDataForAllLabels() == !texts.separated);
    LabelReadings readings(state);
    tessra::WalkEverySheet(state, readings);
    const tessra::LabelSource blank;
    for (std::size_t k = 0; k < readings.labels.size(); ++k) {
        const std::size_t t = texts.separated ? k : 0;
        const auto& expected = (t < texts.labels.size() ? texts.labels[t] : blank).lines;
        const Lines& read = readings.labels[k];
        Require(read.size() >= expected.size());
        for (std::size_t j = 0; j < read.size(); ++j)
            Require(read[j] == tessra::test::ReadingSpelling(j < expected.size() ? expected[j] : ""));
    }
}

// The round trip is checked for the kana alphabet (kana, digits, punctuation, parentheses,
// blanks) as far as the spelling knows the reader's rules. Letters and other signs read back by
// the reader's rows for them, which its own tests cover; braille patterns read as whatever
// those cells read.
bool InKanaAlphabet(std::string_view text)
{
    for (const tessra::LabelSource& label : tessra::SplitLabels(text).labels) {
        for (const std::string_view line : label.lines) {
            for (const char32_t c : tessra::DecodeUtf8(line)) {
                const bool kana = (c >= U'ぁ' && c <= U'ゖ') || (c >= U'ァ' && c <= U'ヶ') || c == U'ー' ||
                                  (c >= U'\u3099' && c <= U'\u309C') || c == U'°';
                const bool digit = (c >= U'0' && c <= U'9') || (c >= U'０' && c <= U'９');
                if (!kana && !digit && std::u32string_view(U"。、？！・?!,.，．（）() 　").find(c) == std::u32string_view::npos)
                    return false;
            }
            if (!tessra::test::ReadsBySpelling(line)) return false;
        }
    }
    return true;
}

void CheckEditorTexts(const tessra::AppState& state)
{
    const auto perPage = static_cast<std::size_t>(state.document.linesPerPage());
    for (std::size_t first = 0; first < state.document.lines().size(); first += perPage) {
        const std::size_t end = std::min(state.document.lines().size(), first + perPage);
        const Lines page(state.document.lines().begin() + static_cast<std::ptrdiff_t>(first),
                         state.document.lines().begin() + static_cast<std::ptrdiff_t>(end));
        tessra::KanaComposer composer;
        composer.ResetForLabel();
        const Lines texts = tessra::EditableLines(page);
        for (std::size_t j = 0; j < page.size(); ++j) {
            const tessra::ComposedLine line = composer.ComposeLine(texts[j]);
            Require(line.refusals.empty() && line.cells == page[j]);
        }
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
        if (InKanaAlphabet(text)) CheckReadings(text, state);
        CheckEditorTexts(state);
        return 0;
    }
    Require(state.document.lines().empty());
    for (const std::string& message : messages)
        Require(!message.empty() && tessra::EncodeUtf8(tessra::DecodeUtf8(message)) == message);
    return 0;
}

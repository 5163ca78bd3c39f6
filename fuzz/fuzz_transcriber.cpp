#include "braille/KanaComposer.h"
#include "braille/TextLine.h"
#include "text/Utf8Text.h"
#include "reading/KanaText.h"
#include "reading/Transcriber.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

// Input: a line of any bytes. The transcriber reads it and the composer writes the reading:
// either cells without refusals, or every refusal names a column of the line and says why in
// UTF-8. A line without kanji is its own reading.

namespace {

void Require(bool condition)
{
    if (!condition) std::abort();
}

const tessra::Transcriber& Shared()
{
    static const tessra::Transcriber transcriber;
    return transcriber;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view line(reinterpret_cast<const char*>(data), size);
    line = line.substr(0, line.find_first_of("\r\n"));
    const tessra::TranscribedLine reading = Shared().Reading(line);
    if (!tessra::HasKanji(line)) Require(reading.text == line && reading.problems.empty());

    tessra::KanaComposer composer;
    composer.ResetForLabel();
    const tessra::ComposedLine composed = tessra::ComposeTextLine(composer, line, &Shared());
    const auto columns = static_cast<int>(tessra::DecodeUtf8(line).size());
    for (const tessra::ComposeRefusal& refusal : composed.refusals) {
        Require(refusal.column >= 1 && refusal.column <= columns);
        Require(!refusal.reason.empty() && tessra::EncodeUtf8(tessra::DecodeUtf8(refusal.reason)) == refusal.reason);
    }
    return 0;
}

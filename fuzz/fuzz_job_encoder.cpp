// Any format, document, print position, start label, copies and cancel point: the encoder must
// stay defined, bounded, and always frame the stream with the start and end sequences, the last
// sheet ended by its form feed.
#include "print/JobEncoder.h"
#include "print/PrintPosition.h"
#include "FuzzedSheet.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <string>

namespace {

using namespace tessra;

// Keeps only the ends of the stream, so long jobs cost no memory.
class EndsSink final : public ByteSink {
public:
    void SendByte(std::uint8_t byte) override
    {
        if (head.size() < 16) head.push_back(static_cast<char>(byte));
        tail.push_back(static_cast<char>(byte));
        if (tail.size() > 16) tail.pop_front();
    }

    std::string head;
    std::deque<char> tail;
};

class CheckingProgress final : public JobProgress {
public:
    explicit CheckingProgress(unsigned cancelAtCall) : cancelAtCall_(cancelAtCall) {}

    void SetProgressPos(int position) override
    {
        if (cancelled_ || position < last_ || position > 99) std::abort();
        last_ = position;
    }

    bool TakeCancelRequest() override
    {
        if (cancelled_) std::abort();
        cancelled_ = ++calls_ == cancelAtCall_;
        return cancelled_;
    }

private:
    unsigned cancelAtCall_;
    unsigned calls_ = 0;
    int last_ = 0;
    bool cancelled_ = false;
};

AppState StateFrom(FuzzedDataProvider& data)
{
    static constexpr std::array<const char*, 3> kModels = {"", mode::kZen10, mode::kZen10R};
    AppState state;
    state.printerModel = data.PickValueInArray(kModels);
    DocumentContent content;
    content.choice.format = fuzz::Format(data);
    PositionTexts typed;
    for (std::string& text : typed) text = data.ConsumeRandomLengthString(24);
    ApplyPositionTexts(state, typed);
    state.leftMargin = fuzz::Length(data);
    state.verticalCorrection = fuzz::Length(data);
    content.choice.sameDataForAllLabels = data.ConsumeBool();
    content.linesPerPage = data.ConsumeIntegralInRange(-1, 40);
    state.startLabel = data.ConsumeIntegralInRange(-1, 9802);
    while (data.remaining_bytes() > 0) content.lines.push_back(data.ConsumeRandomLengthString(200));
    state.document.Replace(std::move(content), {}, {}, Document::Start::Unmodified);
    return state;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    PrintOptions options;
    options.copies = data.ConsumeIntegralInRange(-1, 3);
    options.thickPaper = data.ConsumeBool();
    options.frontEject = data.ConsumeBool();
    CheckingProgress progress(data.ConsumeIntegralInRange(0u, 64u));
    const AppState state = StateFrom(data);

    EndsSink sink;
    EncodePrintJob(state, options, sink, progress);

    const std::string start = "\x1B\x1B" "N";
    const std::string end = state.printerModel == mode::kZen10R ? "\x1B\x1B" "F00\x1B\x1B" "RR"
                                                                 : "\x1B\x1B" "F00";
    const std::string tail(sink.tail.begin(), sink.tail.end());
    if (sink.head.compare(0, start.size(), start) != 0) std::abort();
    if (tail.size() < end.size() || tail.compare(tail.size() - end.size(), end.size(), end) != 0) {
        std::abort();
    }
    // Every copy ends its sheets with a form feed, and a cancel ends the sheet under way.
    if (options.copies > 0 && (tail.size() <= end.size() || tail[tail.size() - end.size() - 1] != '\x0C'))
        std::abort();
    return 0;
}

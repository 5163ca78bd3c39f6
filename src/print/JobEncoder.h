#pragma once

#include "document/AppState.h"
#include "print/JobSink.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace tessra {

inline constexpr int kMinCopies = 1;
inline constexpr int kMaxCopies = 1000;

// The print dialog's choices at the moment the job starts. The two options act only for ZEN10R.
struct PrintOptions {
    int copies = 1;
    bool thickPaper = false;
    bool frontEject = false;
};

// Head position in embosser units from the zero position; never negative.
struct EmbosserUnits {
    int u = 0;  // horizontal
    int v = 0;  // vertical
};

// A point on the sheet in whole millimetres, scaled by the print-position corrections and moved
// by the margins.
EmbosserUnits ToEmbosserUnits(const AppState& state, int xMm, int yMm);

inline constexpr std::size_t kPositionCommandSize = 9;
std::array<std::uint8_t, kPositionCommandSize> PositionCommand(EmbosserUnits units);

void SendPosition(const AppState& state, int xMm, int yMm, ByteSink& sink);

// The whole embosser stream of one job, byte by byte into `sink`: every copy is the job's sheets
// in order, from the start label on. Reads the document, format, start label and print position
// from `state` and changes nothing. Ends early, but always with the sheet's form feed and the end
// sequence, when `progress` reports a cancel request.
void EncodePrintJob(const AppState& state, const PrintOptions& options, ByteSink& sink,
                    JobProgress& progress);

}  // namespace tessra

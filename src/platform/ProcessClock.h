#pragma once

namespace tessra {

// Milliseconds since the kernel started this process (to its clock tick, usually 10 ms); a
// negative value where that cannot be known.
double MillisecondsSinceProcessStart();

// Whether TESSRA_TRACE_PAINT asks for paint and start-up times on standard error.
bool TracingPaint();
// Writes "tessra: <step> N ms after process start" when tracing.
void TraceStartUp(const char* step);

}  // namespace tessra

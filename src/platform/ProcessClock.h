#pragma once

namespace tessra {

// Milliseconds since the kernel started this process (to its clock tick, usually 10 ms); a
// negative value where that cannot be known.
double MillisecondsSinceProcessStart();

}  // namespace tessra

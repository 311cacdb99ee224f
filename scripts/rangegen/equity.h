// All-in equity of every hand class against a weighted range, estimated by
// sampling with a fixed seed, so that every run gives the same figures.
#pragma once
#include <cstdint>

#include "scripts/rangegen/hand_classes.h"

namespace rangegen {

// Equity (wins plus half the ties) of each class against `villain` over
// `samples` deals per class. Each class replays the same random stream, so
// that two classes are compared on nearly the same deals.
Weights equity_against(const Weights& villain, int samples, std::uint64_t seed);

}  // namespace rangegen

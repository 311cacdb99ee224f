// Ranges cut from a hand ranking: the best hands by a score up to a number of
// combos, with the classes at the edge mixed.
#pragma once
#include "scripts/rangegen/hand_classes.h"

namespace rangegen {

// Per class the share (0..1) of its combos taken when the classes of
// `eligible` (weighted) are walked best score first until `target` combos:
// a class wholly before `target - edge / 2` is taken whole, one wholly past
// `target + edge / 2` not at all, one in between in proportion to how far its
// middle lies before the end of that band, rounded to steps of 0.05. Classes
// with an equal score keep their table order. Shares below 0.1 are dropped.
Weights top_share(const Weights& score, const Weights& eligible, double target, double edge);

// Bluffs: among the classes of `eligible` scoring above `floor`, the best take
// the share `cap`, and the share falls in steps of 0.05 down the ranking, so
// that the classes add about `target` combos.
Weights graded_share(const Weights& score, const Weights& eligible, double target, double cap, double floor);

// Element-wise helpers.
Weights product(const Weights& a, const Weights& b);
Weights minus_clamped(const Weights& a, const Weights& b);  // max(0, a - b)
Weights plus_capped(const Weights& a, const Weights& b);    // min(1, a + b)
Weights scaled(const Weights& a, double f);                 // min(1, a * f)

}  // namespace rangegen

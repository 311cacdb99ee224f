// Read side of a finished solve: one node of the solved tree turned into
// plain records. `SolveSession`'s query members call these on their copies
// of the stored game and solver; a program holding its own solved pair (a
// bench, a test) can call them directly.
#pragma once
#include <cstdint>
#include <string>

#include "session/node_records.h"

namespace velmora {
class Game;
class DiscountedCfr;
}  // namespace velmora

namespace velmora_app {

// Node summaries count each hand of the acting seat with its range weight
// times its own reach (its strategy along the path from the root), and value
// and weigh the opponent at its reach along that path.

// Labels, keys, frequencies, combos, equities and chip EVs per action. An
// action's EV averages its hands that meet an opponent hand, NaN when it has
// none (an action no hand takes). At a node no hand of the acting seat
// reaches, the frequencies, EVs and equities are NaN and the combos 0.
NodeActionStats node_action_stats(const velmora::Game& game, velmora::DiscountedCfr& solver, std::uint64_t node);

// The acting seat's reaching combos per hand-category bucket, with the
// bucket's action mix.
NodeHandBuckets node_hand_buckets(const velmora::Game& game, velmora::DiscountedCfr& solver, std::uint64_t node);

// Strategy folded onto the 169 hand classes, weighted by the reaching combos.
NodeHandStrategy node_hand_strategy(const velmora::Game& game, velmora::DiscountedCfr& solver, std::uint64_t node);

// One row per combo of the acting seat that reaches the node (range weight
// times path reach above 0, so none holds a card of the node's board), with
// that reach, chip EVs (NaN for a hand that meets no opponent hand) and
// category tags; highest EV first, rows without an EV last.
NodeHandCombos node_hand_combos(const velmora::Game& game, velmora::DiscountedCfr& solver, std::uint64_t node);

// Chip EV of each action for one pocket of the acting seat. Throws the card
// parser's error for a card text it rejects.
PocketActionEvs node_pocket_action_evs(const velmora::Game& game, velmora::DiscountedCfr& solver,
                                       std::uint64_t node, int seat, const std::string& card1,
                                       const std::string& card2);

// The live combos one seat holds at a node, with their range weights.
NodeHandCombos node_seat_hand_combos(const velmora::Game& game, std::uint64_t node, bool ip);

// Human-readable summary of a node: each action's label, key, frequency,
// combos, EV and equity ("-" for no figure), then the non-empty hand-category
// buckets. Empty for a node without actions.
std::string describe_node(const velmora::Game& game, velmora::DiscountedCfr& solver, std::uint64_t node);

}  // namespace velmora_app

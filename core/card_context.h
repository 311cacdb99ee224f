// Everything about the cards of one spot that does not depend on the tree:
// filtered ranges, slots, card removal, showdown orders, live lists.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/cancel.h"
#include "core/cards.h"
#include "core/range.h"
#include "core/showdown_scan.h"
#include "core/suit_isomorphism.h"

namespace velmora {

inline constexpr std::uint16_t kNoSlot = 0xFFFF;

struct RunoutShowdown {
  std::array<std::vector<ShowdownEntry>, 2> seat;  // sentinel-framed, ascending
  ShowdownScan scan;                               // the same lists, indexed for the payoff scan
};

struct LiveSlots {
  std::array<std::vector<std::uint16_t>, 2> seat;
};

class CardContext {
 public:
  struct CachedArtifacts {
    // The inputs the record was built from: a lookup whose key matches but
    // whose inputs differ (a hash collision) is treated as a miss.
    Board board{};
    std::array<Range, 2> ranges{};
    std::array<std::vector<Pocket>, 2> pockets;
    std::array<std::vector<float>, 2> weights;
    std::array<std::vector<float>, 2> initial_reach;
    std::array<std::vector<float>, 2> removal_weight;
    SuitIsomorphism suit_isomorphism;
    std::vector<RunoutShowdown> runout_showdown;
    std::array<std::vector<std::uint16_t>, 2> opponent_slot;
    std::array<std::vector<std::uint16_t>, 2> all_slots;
    std::vector<LiveSlots> live_after_card;
    std::vector<ShowdownScan> fold_tables;
    std::vector<LiveSlots> live_after_runout;
    double pair_weight = 0.0;
  };

  // With `cancel`, a build stops with SetupCancelled soon after the flag is
  // set; nothing is cached then.
  CardContext(const Board& board, const std::array<Range, 2>& ranges, const CancelFlag* cancel = nullptr);

  const Board& board() const { return board_; }
  const std::array<Range, 2>& ranges() const { return ranges_; }
  const std::vector<Pocket>& pockets(int seat) const { return pockets_[seat]; }
  const std::vector<float>& weights(int seat) const { return weights_[seat]; }
  const std::vector<float>& initial_reach(int seat) const { return initial_reach_[seat]; }
  const std::vector<float>& removal_weight(int seat) const { return removal_weight_[seat]; }
  std::size_t hand_count(int seat) const { return pockets_[seat].size(); }
  int street() const { return street_; }
  std::uint64_t board_mask() const { return board_mask_; }
  const std::vector<Card>& board_cards() const { return board_cards_; }
  const SuitIsomorphism& suit_isomorphism() const { return suit_isomorphism_; }
  const RunoutShowdown& runout_showdown(Card turn, Card river) const;
  const std::vector<std::uint16_t>& opponent_slot(int seat) const { return opponent_slot_[seat]; }
  const std::vector<std::uint16_t>& all_slots(int seat) const { return all_slots_[seat]; }
  const LiveSlots& live_after_card(Card c) const;
  // Fold tables of the live hands after card c is dealt (kNoCard: on the
  // context's own board); empty tables for a card with no live list.
  const ShowdownScan& fold_table(Card c) const;
  const LiveSlots& live_after_runout(Card turn, Card river) const;
  std::uint64_t cache_key() const { return cache_key_; }
  double pair_weight() const { return pair_weight_; }
  std::size_t memory_bytes() const;

  // Worker count from VELMORA_CARDCTX_MAX_WORKERS, else the hardware count.
  static unsigned max_workers();

 private:
  void rebuild_private(unsigned workers);
  void build_pair_weight();
  void build_opponent_slots();
  void build_runout_tables(unsigned workers, const CancelFlag* cancel);
  void build_live_lists(const CancelFlag* cancel);
  void build_initial_reach();
  bool matches(const CachedArtifacts& a) const;
  void copy_from(const CachedArtifacts& a);
  std::shared_ptr<CachedArtifacts> make_artifacts();

  Board board_{};
  std::array<Range, 2> ranges_{};
  std::array<std::vector<Pocket>, 2> pockets_;
  std::array<std::vector<float>, 2> weights_;
  std::array<std::vector<float>, 2> initial_reach_;
  std::array<std::vector<float>, 2> removal_weight_;
  int street_ = 0;
  std::uint64_t board_mask_ = 0;
  std::vector<Card> board_cards_;
  SuitIsomorphism suit_isomorphism_;
  // The two per-runout tables are filled while building, then moved into
  // the shared record, which the accessors read (so they are held once).
  std::vector<RunoutShowdown> runout_showdown_;  // 1326, by pocket index of (turn, river)
  std::array<std::vector<std::uint16_t>, 2> opponent_slot_;
  std::array<std::vector<std::uint16_t>, 2> all_slots_;
  std::vector<LiveSlots> live_after_card_;    // 52
  std::vector<ShowdownScan> fold_tables_;     // 53: one per card, then the board itself
  std::vector<LiveSlots> live_after_runout_;  // 1326
  std::uint64_t cache_key_ = 0;
  double pair_weight_ = 0.0;
  // Keeps the cached record alive for as long as this context lives, so a
  // second build of the same spot (a solve after its memory estimate) finds it.
  std::shared_ptr<const CachedArtifacts> artifacts_;
};

// Whether the range keeps a pocket on this board (weight above 0, no board
// card): a context cannot be built for a range that keeps none.
bool range_clears_board(const Range& range, const Board& board);

std::uint64_t hash_combine(std::uint64_t seed, std::uint64_t h);
std::uint64_t fnv1a_u64(std::uint64_t value);
std::uint64_t range_hash(const Range& range);
std::uint64_t cache_key(const Board& board, const std::array<Range, 2>& ranges);
std::uint64_t cache_key(const CardContext& context);
std::shared_ptr<CardContext::CachedArtifacts> find_cached_artifacts(std::uint64_t key);
void store_cached_artifacts(std::uint64_t key, const std::shared_ptr<CardContext::CachedArtifacts>& record);

}  // namespace velmora

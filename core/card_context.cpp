#include "core/card_context.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>

#include "core/evaluator.h"
#include "core/threads.h"

namespace velmora {

namespace {

constexpr std::uint32_t kBottomStrength = 0;
constexpr std::uint32_t kTopStrength = 0xFFFFFFFFu;

const RunoutShowdown& empty_showdown() {
  static const RunoutShowdown empty;
  return empty;
}

const LiveSlots& empty_live_slots() {
  static const LiveSlots empty;
  return empty;
}

// Table index of a runout pair, or -1 when the pair is not two distinct cards.
int runout_index(Card turn, Card river) {
  if (turn >= kNumCards || river >= kNumCards || turn == river) return -1;
  return pocket_index(turn, river);
}

void check_board(const Board& board) {
  for (int i = 0; i < 3; ++i) {
    if (board[i] == kNoCard) throw std::invalid_argument("Flop cards must be defined");
    check_card_code(board[i]);
  }
  if (board[0] == board[1] || board[0] == board[2] || board[1] == board[2]) {
    throw std::invalid_argument("Flop cards must be unique");
  }
  const auto on_flop = [&board](Card c) { return c == board[0] || c == board[1] || c == board[2]; };
  const Card turn = board[3];
  const Card river = board[4];
  if (turn != kNoCard) {
    check_card_code(turn);
    if (on_flop(turn)) throw std::invalid_argument("Turn conflicts with flop");
  }
  if (river != kNoCard) {
    check_card_code(river);
    if (on_flop(river) || river == turn) throw std::invalid_argument("River conflicts with existing cards");
    if (turn == kNoCard) throw std::invalid_argument("River cannot be dealt without a turn");
  }
}

// The (turn, river) pairs still possible on this board, lower card first.
std::vector<std::pair<Card, Card>> possible_runouts(const Board& board, std::uint64_t board_mask) {
  std::vector<std::pair<Card, Card>> runouts;
  const auto ordered = [](Card a, Card b) { return a < b ? std::pair<Card, Card>{a, b} : std::pair<Card, Card>{b, a}; };
  if (board[3] == kNoCard) {
    runouts.reserve(1176);
    for (Card a = 0; a < kNumCards; ++a) {
      if (board_mask & card_bit(a)) continue;
      for (Card b = static_cast<Card>(a + 1); b < kNumCards; ++b) {
        if (!(board_mask & card_bit(b))) runouts.emplace_back(a, b);
      }
    }
  } else if (board[4] == kNoCard) {
    runouts.reserve(48);
    for (Card c = 0; c < kNumCards; ++c) {
      if (!(board_mask & card_bit(c))) runouts.push_back(ordered(board[3], c));
    }
  } else {
    runouts.push_back(ordered(board[3], board[4]));
  }
  return runouts;
}

bool same_bits(const Range& a, const Range& b) {
  return std::memcmp(a.data(), b.data(), sizeof(float) * a.size()) == 0;
}

// A pocket the context keeps for a seat: weight above 0 (NaN is kept) and no
// board card.
bool keeps_pocket(float weight, Pocket pocket, std::uint64_t board_mask) {
  return !(weight <= 0.0f) && (pocket_mask(pocket) & board_mask) == 0;
}

}  // namespace

bool range_clears_board(const Range& range, const Board& board) {
  std::uint64_t mask = 0;
  for (Card c : board) {
    if (c != kNoCard) mask |= card_bit(c);
  }
  const auto& table = pocket_table();
  for (int idx = 0; idx < kNumPockets; ++idx) {
    if (keeps_pocket(range[idx], table[idx], mask)) return true;
  }
  return false;
}

CardContext::CardContext(const Board& board, const std::array<Range, 2>& ranges, const CancelFlag* cancel)
    : board_(board), ranges_(ranges) {
  check_board(board_);

  for (int i = 0; i < 5; ++i) {
    if (board_[i] == kNoCard) continue;
    board_mask_ |= card_bit(board_[i]);
    board_cards_.push_back(board_[i]);
  }
  street_ = board_[4] != kNoCard ? 2 : (board_[3] != kNoCard ? 1 : 0);

  cache_key_ = velmora::cache_key(board_, ranges_);
  if (auto cached = find_cached_artifacts(cache_key_); cached && matches(*cached)) {
    copy_from(*cached);
    artifacts_ = std::move(cached);
    return;
  }

  const unsigned workers = max_workers();
  throw_if_cancelled(cancel);
  rebuild_private(workers);
  build_pair_weight();
  build_opponent_slots();
  throw_if_cancelled(cancel);
  build_runout_tables(workers, cancel);
  build_live_lists(cancel);
  build_initial_reach();
  suit_isomorphism_ = build_suit_isomorphism(ranges_, pockets_, board_);
  throw_if_cancelled(cancel);

  auto record = make_artifacts();
  store_cached_artifacts(cache_key_, record);
  artifacts_ = std::move(record);
}

void CardContext::rebuild_private(unsigned workers) {
  const auto& table = pocket_table();
  const auto filter = [this, &table](int seat) {
    auto& pockets = pockets_[seat];
    auto& weights = weights_[seat];
    pockets.clear();
    weights.clear();
    for (int idx = 0; idx < kNumPockets; ++idx) {
      const float w = ranges_[seat][idx];
      if (!keeps_pocket(w, table[idx], board_mask_)) continue;
      pockets.push_back(table[idx]);
      weights.push_back(w);
    }
    if (pockets.empty()) throw std::invalid_argument("Player range empty after filtering board cards");
  };
  if (workers >= 2) {
    auto first = run_async([&filter] { filter(0); });
    auto second = run_async([&filter] { filter(1); });
    first.get();
    second.get();
  } else {
    filter(0);
    filter(1);
  }
}

void CardContext::build_pair_weight() {
  // Straight double sum: an inclusion-exclusion shortcut could leave a tiny
  // positive residue where no compatible pair exists, and the payoffs divide by
  // this value.
  double sum = 0.0;
  const auto& p0 = pockets_[0];
  const auto& p1 = pockets_[1];
  std::vector<std::uint64_t> masks1(p1.size());
  for (std::size_t j = 0; j < p1.size(); ++j) masks1[j] = pocket_mask(p1[j]);
  for (std::size_t i = 0; i < p0.size(); ++i) {
    const std::uint64_t m = pocket_mask(p0[i]);
    const double w = weights_[0][i];
    for (std::size_t j = 0; j < p1.size(); ++j) {
      if (!(masks1[j] & m)) sum += w * static_cast<double>(weights_[1][j]);
    }
  }
  pair_weight_ = sum;
}

void CardContext::build_opponent_slots() {
  for (int seat = 0; seat < 2; ++seat) {
    const int other = 1 - seat;
    std::array<std::uint16_t, kNumPockets> slot_of;
    slot_of.fill(kNoSlot);
    for (std::size_t j = 0; j < pockets_[other].size(); ++j) {
      const Pocket p = pockets_[other][j];
      slot_of[pocket_index(pocket_lo(p), pocket_hi(p))] = static_cast<std::uint16_t>(j);
    }
    auto& out = opponent_slot_[seat];
    out.assign(pockets_[seat].size(), kNoSlot);
    for (std::size_t i = 0; i < out.size(); ++i) {
      const Pocket p = pockets_[seat][i];
      out[i] = slot_of[pocket_index(pocket_lo(p), pocket_hi(p))];
    }
  }
}

void CardContext::build_runout_tables(unsigned workers, const CancelFlag* cancel) {
  const auto runouts = possible_runouts(board_, board_mask_);
  runout_showdown_.assign(kNumPockets, RunoutShowdown{});
  live_after_runout_.assign(kNumPockets, LiveSlots{});

  // Both seats often hold the same pocket; evaluate each pocket once per runout.
  const auto& table = pocket_table();
  std::vector<int> union_pockets;
  std::array<std::vector<int>, 2> slot_pocket;
  {
    std::array<bool, kNumPockets> held{};
    for (int seat = 0; seat < 2; ++seat) {
      slot_pocket[seat].reserve(pockets_[seat].size());
      for (const Pocket p : pockets_[seat]) {
        const int idx = pocket_index(pocket_lo(p), pocket_hi(p));
        slot_pocket[seat].push_back(idx);
        held[idx] = true;
      }
    }
    for (int idx = 0; idx < kNumPockets; ++idx) {
      if (held[idx]) union_pockets.push_back(idx);
    }
  }

  const auto build_range = [&](std::size_t begin, std::size_t end) {
    std::vector<std::uint32_t> strength(kNumPockets, 0);
    std::vector<std::uint64_t> keys;
    keys.reserve(std::max(pockets_[0].size(), pockets_[1].size()));
    std::array<Card, 7> cards{0, 0, board_[0], board_[1], board_[2], 0, 0};
    for (std::size_t r = begin; r < end; ++r) {
      throw_if_cancelled(cancel);
      const auto [a, b] = runouts[r];
      const std::uint64_t dead = board_mask_ | card_bit(a) | card_bit(b);
      cards[5] = a;
      cards[6] = b;
      for (const int idx : union_pockets) {
        const Pocket p = table[idx];
        if (pocket_mask(p) & dead) continue;
        cards[0] = pocket_lo(p);
        cards[1] = pocket_hi(p);
        strength[idx] = evaluate_seven_unchecked(cards.data());
      }
      const int record = pocket_index(a, b);
      for (int seat = 0; seat < 2; ++seat) {
        keys.clear();
        for (std::size_t i = 0; i < pockets_[seat].size(); ++i) {
          if (pocket_mask(pockets_[seat][i]) & dead) continue;
          const std::uint64_t plus_one = std::uint64_t{strength[slot_pocket[seat][i]]} + 1;
          keys.push_back((plus_one << 16) | i);
        }
        auto& live = live_after_runout_[record].seat[seat];
        live.reserve(keys.size());
        for (const std::uint64_t k : keys) live.push_back(static_cast<std::uint16_t>(k & 0xFFFF));
        std::sort(keys.begin(), keys.end());
        auto& list = runout_showdown_[record].seat[seat];
        list.reserve(keys.size() + 2);
        list.push_back({kBottomStrength, kNoSlot, 0, 0});
        for (const std::uint64_t k : keys) {
          const auto slot = static_cast<std::uint16_t>(k & 0xFFFF);
          const Pocket p = pockets_[seat][slot];
          list.push_back({static_cast<std::uint32_t>(k >> 16), slot, pocket_lo(p), pocket_hi(p)});
        }
        list.push_back({kTopStrength, kNoSlot, 0, 0});
      }
      build_showdown_scan(runout_showdown_[record].seat, pockets_, opponent_slot_, runout_showdown_[record].scan);
    }
  };

  const std::size_t count = runouts.size();
  const std::size_t threads = std::min<std::size_t>(count, workers);
  if (threads < 2) {
    build_range(0, count);
    return;
  }
  const std::size_t chunk = (count + threads - 1) / threads;
  std::vector<std::exception_ptr> errors(threads);
  std::vector<Thread> pool;
  pool.reserve(threads);
  std::exception_ptr start_error;
  for (std::size_t t = 0; t < threads; ++t) {
    const std::size_t begin = t * chunk;
    const std::size_t end = std::min(count, begin + chunk);
    if (begin >= end) break;
    try {
      pool.emplace_back([&build_range, &errors, t, begin, end] {
        try {
          build_range(begin, end);
        } catch (...) {
          errors[t] = std::current_exception();
        }
      });
    } catch (...) {
      // Threads already running still use this frame; join them first.
      start_error = std::current_exception();
      break;
    }
  }
  for (auto& th : pool) th.join();
  if (start_error) std::rethrow_exception(start_error);
  for (const auto& e : errors) {
    if (e) std::rethrow_exception(e);
  }
}

void CardContext::build_live_lists(const CancelFlag* cancel) {
  for (int seat = 0; seat < 2; ++seat) {
    auto& slots = all_slots_[seat];
    slots.resize(pockets_[seat].size());
    for (std::size_t i = 0; i < slots.size(); ++i) slots[i] = static_cast<std::uint16_t>(i);
  }
  live_after_card_.assign(kNumCards, LiveSlots{});
  const auto fill_card = [this](Card c) {
    for (int seat = 0; seat < 2; ++seat) {
      auto& live = live_after_card_[c].seat[seat];
      for (std::size_t i = 0; i < pockets_[seat].size(); ++i) {
        if (!(pocket_mask(pockets_[seat][i]) & card_bit(c))) live.push_back(static_cast<std::uint16_t>(i));
      }
    }
  };
  if (street_ == 0) {
    for (Card c = 0; c < kNumCards; ++c) {
      if (!(board_mask_ & card_bit(c))) fill_card(c);
    }
  } else {
    fill_card(board_[3]);
  }
  // live_after_runout is filled together with the showdown records.
  fold_tables_.assign(kNumCards + 1, ShowdownScan{});
  build_fold_table(all_slots_, pockets_, opponent_slot_, fold_tables_[kNumCards]);
  for (Card c = 0; c < kNumCards; ++c) {
    throw_if_cancelled(cancel);
    const LiveSlots& live = live_after_card_[c];
    if (live.seat[0].empty() && live.seat[1].empty()) continue;
    build_fold_table(live.seat, pockets_, opponent_slot_, fold_tables_[c]);
  }
}

const ShowdownScan& CardContext::fold_table(Card c) const {
  static const ShowdownScan empty;
  const std::size_t i = c == kNoCard ? static_cast<std::size_t>(kNumCards) : c;
  return i < fold_tables_.size() ? fold_tables_[i] : empty;
}

void CardContext::build_initial_reach() {
  std::array<double, 2> total{0.0, 0.0};
  std::array<std::array<double, kNumCards>, 2> blocker{};
  for (int seat = 0; seat < 2; ++seat) {
    for (std::size_t i = 0; i < pockets_[seat].size(); ++i) {
      const double w = weights_[seat][i];
      total[seat] += w;
      blocker[seat][pocket_lo(pockets_[seat][i])] += w;
      blocker[seat][pocket_hi(pockets_[seat][i])] += w;
    }
  }
  for (int seat = 0; seat < 2; ++seat) {
    const int other = 1 - seat;
    const std::size_t n = pockets_[seat].size();
    auto& raw = removal_weight_[seat];
    raw.assign(n, 0.0f);
    double sum = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
      const float w = weights_[seat][i];
      if (!(w > 0.0f)) continue;
      const std::uint16_t twin = opponent_slot_[seat][i];
      double x = twin != kNoSlot ? static_cast<double>(weights_[other][twin]) : 0.0;
      x += total[other];
      x -= blocker[other][pocket_lo(pockets_[seat][i])];
      x -= blocker[other][pocket_hi(pockets_[seat][i])];
      if (x > 0.0) raw[i] = static_cast<float>(static_cast<double>(w) * x);
      sum += raw[i];
    }
    auto& reach = initial_reach_[seat];
    reach = raw;
    if (sum > 2.220446049250313e-16) {
      const float factor = static_cast<float>(1.0 / sum);
      for (float& v : reach) v *= factor;
    }
  }
}

bool CardContext::matches(const CachedArtifacts& a) const {
  return a.board == board_ && same_bits(a.ranges[0], ranges_[0]) && same_bits(a.ranges[1], ranges_[1]);
}

void CardContext::copy_from(const CachedArtifacts& a) {
  pockets_ = a.pockets;
  weights_ = a.weights;
  initial_reach_ = a.initial_reach;
  removal_weight_ = a.removal_weight;
  suit_isomorphism_ = a.suit_isomorphism;
  opponent_slot_ = a.opponent_slot;
  all_slots_ = a.all_slots;
  live_after_card_ = a.live_after_card;
  fold_tables_ = a.fold_tables;
  pair_weight_ = a.pair_weight;
}

std::shared_ptr<CardContext::CachedArtifacts> CardContext::make_artifacts() {
  // Not make_shared: the cache's weak reference would keep the storage of an
  // expired record allocated.
  std::shared_ptr<CachedArtifacts> a(new CachedArtifacts());
  a->board = board_;
  a->ranges = ranges_;
  a->pockets = pockets_;
  a->weights = weights_;
  a->initial_reach = initial_reach_;
  a->removal_weight = removal_weight_;
  a->suit_isomorphism = suit_isomorphism_;
  a->runout_showdown = std::move(runout_showdown_);
  runout_showdown_.clear();
  a->opponent_slot = opponent_slot_;
  a->all_slots = all_slots_;
  a->live_after_card = live_after_card_;
  a->fold_tables = fold_tables_;
  a->live_after_runout = std::move(live_after_runout_);
  live_after_runout_.clear();
  a->pair_weight = pair_weight_;
  return a;
}

const RunoutShowdown& CardContext::runout_showdown(Card turn, Card river) const {
  const int idx = runout_index(turn, river);
  if (!artifacts_) return empty_showdown();
  const std::vector<RunoutShowdown>& table = artifacts_->runout_showdown;
  if (idx < 0 || static_cast<std::size_t>(idx) >= table.size()) return empty_showdown();
  return table[idx];
}

const LiveSlots& CardContext::live_after_card(Card c) const {
  if (c >= live_after_card_.size()) return empty_live_slots();
  return live_after_card_[c];
}

const LiveSlots& CardContext::live_after_runout(Card turn, Card river) const {
  const int idx = runout_index(turn, river);
  if (!artifacts_) return empty_live_slots();
  const std::vector<LiveSlots>& table = artifacts_->live_after_runout;
  if (idx < 0 || static_cast<std::size_t>(idx) >= table.size()) return empty_live_slots();
  return table[idx];
}

std::size_t CardContext::memory_bytes() const {
  std::size_t bytes = board_.size() + sizeof(Range) * 2 + board_cards_.size();
  for (int seat = 0; seat < 2; ++seat) {
    bytes += pockets_[seat].size() * sizeof(Pocket);
    bytes += (weights_[seat].size() + initial_reach_[seat].size() + removal_weight_[seat].size()) * sizeof(float);
    bytes += (opponent_slot_[seat].size() + all_slots_[seat].size()) * sizeof(std::uint16_t);
  }
  static const CachedArtifacts kNothing;
  const CachedArtifacts& shared = artifacts_ ? *artifacts_ : kNothing;
  const std::vector<RunoutShowdown>& showdown = shared.runout_showdown;
  bytes += showdown.size() * sizeof(RunoutShowdown);
  for (const auto& record : showdown) {
    bytes += (record.seat[0].size() + record.seat[1].size()) * sizeof(ShowdownEntry) + scan_bytes(record.scan);
  }
  for (const auto* lists : {&live_after_card_, &shared.live_after_runout}) {
    bytes += lists->capacity() * sizeof(LiveSlots);
    for (const auto& record : *lists) {
      bytes += (record.seat[0].size() + record.seat[1].size()) * sizeof(std::uint16_t);
    }
  }
  for (const ShowdownScan& t : fold_tables_) bytes += scan_bytes(t);
  const auto level_bytes = [](const DealIsomorphism& level) {
    std::size_t b = level.skipped.size() * sizeof(Card) + level.twins.size() * sizeof(std::uint32_t);
    for (const auto& lists : level.swaps) b += (lists[0].size() + lists[1].size()) * sizeof(SlotPair);
    return b;
  };
  bytes += sizeof(SuitIsomorphism) + level_bytes(suit_isomorphism_.turn);
  for (const auto& level : suit_isomorphism_.river) bytes += level_bytes(level);
  return bytes;
}

unsigned CardContext::max_workers() {
  if (const char* text = std::getenv("VELMORA_CARDCTX_MAX_WORKERS")) {
    try {
      const int value = std::stoi(std::string(text));
      if (value > 0) return static_cast<unsigned>(value);
    } catch (const std::exception&) {
      // Not a number: fall back to the hardware count.
    }
  }
  const unsigned hardware = std::thread::hardware_concurrency();
  return hardware == 0 ? 1 : hardware;
}

}  // namespace velmora

#include "core/runout_matchups.h"

#include <immintrin.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <exception>

#include "core/threads.h"

namespace velmora {

namespace {

constexpr int kFlopTable = kNumCards;

bool is_allin_runout(const PlanNode& n) {
  return n.type == kNodeTerminal && n.last_action != kActFold && (n.turn == kNoCard || n.river == kNoCard);
}

// Sum of row[j] * r[j] over j < n, in double.
double dot_row(const float* row, const double* r, std::size_t n) {
  __m256d a0 = _mm256_setzero_pd();
  __m256d a1 = _mm256_setzero_pd();
  std::size_t j = 0;
  for (; j + 8 <= n; j += 8) {
    a0 = _mm256_add_pd(a0, _mm256_mul_pd(_mm256_cvtps_pd(_mm_loadu_ps(row + j)), _mm256_loadu_pd(r + j)));
    a1 = _mm256_add_pd(a1, _mm256_mul_pd(_mm256_cvtps_pd(_mm_loadu_ps(row + j + 4)), _mm256_loadu_pd(r + j + 4)));
  }
  alignas(32) double lanes[4];
  _mm256_store_pd(lanes, _mm256_add_pd(a0, a1));
  double sum = (lanes[0] + lanes[1]) + (lanes[2] + lanes[3]);
  for (; j < n; ++j) sum += static_cast<double>(row[j]) * r[j];
  return sum;
}

// acc[j] += x * row[j] for j < n, in double.
void add_row(double* acc, const float* row, double x, std::size_t n) {
  const __m256d xv = _mm256_set1_pd(x);
  std::size_t j = 0;
  for (; j + 4 <= n; j += 4) {
    const __m256d v = _mm256_mul_pd(_mm256_cvtps_pd(_mm_loadu_ps(row + j)), xv);
    _mm256_storeu_pd(acc + j, _mm256_add_pd(_mm256_loadu_pd(acc + j), v));
  }
  for (; j < n; ++j) acc[j] += static_cast<double>(row[j]) * x;
}

// Adds one runout to one row of the counts: for every opponent hand j live
// on the runout and disjoint from the own hand (strength v), the sign of the
// showdown to d[j] and whether it was decided to k[j]. Cloned for AVX2
// where the target allows it. Not under ThreadSanitizer: the clones' ifunc
// resolver runs while the program is loaded, before the sanitizer's
// runtime is set up, and the instrumented resolver crashes there.
#if defined(__GNUC__) && defined(__linux__) && defined(__x86_64__) && !defined(__SANITIZE_THREAD__)
__attribute__((target_clones("avx2", "default")))
#endif
void count_row(std::int16_t* d, std::int16_t* k, const std::int16_t* ok, const std::int32_t* s1, std::int32_t v,
               std::size_t n) {
  for (std::size_t j = 0; j < n; ++j) {
    const std::int32_t u = s1[j];
    const std::int16_t live = static_cast<std::int16_t>(ok[j] & (u != 0));
    d[j] = static_cast<std::int16_t>(d[j] + live * ((v > u) - (v < u)));
    k[j] = static_cast<std::int16_t>(k[j] + live * (v != u));
  }
}

// Runouts a matchup of two live, disjoint pockets sees from this board.
int matchup_runouts(std::uint64_t dead, bool flop) {
  const int open = kNumCards - std::popcount(dead) - 4;
  return flop ? open * (open - 1) / 2 : open;
}

}  // namespace

std::uint64_t RunoutMatchups::needed_boards(const std::vector<PlanNode>& nodes) {
  // The traversals stop at a terminal: the deals below an all-in runout
  // terminal are in the tree but never valued, so only the runout terminals
  // reached without passing another terminal count.
  std::uint64_t boards = 0;
  if (nodes.empty()) return boards;
  std::vector<std::uint64_t> stack{0};
  while (!stack.empty()) {
    const std::uint64_t i = stack.back();
    stack.pop_back();
    if (i >= nodes.size()) continue;
    const PlanNode& n = nodes[i];
    if (n.type == kNodeTerminal) {
      if (!is_allin_runout(n)) continue;
      if (n.turn == kNoCard && n.river == kNoCard) {
        boards |= std::uint64_t{1} << kFlopTable;
      } else if (n.turn != kNoCard && n.turn < kNumCards) {
        boards |= std::uint64_t{1} << n.turn;
      }
      continue;
    }
    for (const std::uint64_t c : n.children) stack.push_back(c);
  }
  return boards;
}

std::size_t RunoutMatchups::planned_bytes(const CardContext& context, std::uint64_t boards, bool with_rake) {
  const std::size_t cells = context.hand_count(0) * context.hand_count(1);
  return static_cast<std::size_t>(std::popcount(boards)) * cells * sizeof(float) * (with_rake ? 2 : 1);
}

void RunoutMatchups::build(const CardContext& context, std::uint64_t boards, bool with_rake,
                           const CancelFlag* cancel) {
  h0_ = context.hand_count(0);
  h1_ = context.hand_count(1);
  for (Table& t : tables_) t = Table{};
  const std::vector<Pocket>& p0 = context.pockets(0);
  const std::vector<Pocket>& p1 = context.pockets(1);
  const std::size_t cells = h0_ * h1_;
  if (cells == 0) return;

  // 1 where the two pockets share no card.
  std::vector<std::int16_t> disjoint(cells, 0);
  for (std::size_t i = 0; i < h0_; ++i) {
    for (std::size_t j = 0; j < h1_; ++j) disjoint[i * h1_ + j] = (pocket_mask(p0[i]) & pocket_mask(p1[j])) ? 0 : 1;
  }

  // The runouts of each table; the flop table's thousand runouts are split
  // into parts that run side by side, each counting into its own arrays
  // (integer counts: the sum does not depend on the split).
  struct Part {
    int which = 0;
    std::vector<std::pair<Card, Card>> runouts;
    std::vector<std::int16_t> diff;
    std::vector<std::int16_t> decided;
  };
  std::vector<Part> parts;
  std::array<int, kNumCards + 1> table_runouts{};
  std::array<std::atomic<int>, kNumCards + 1> parts_left{};
  const Board& board = context.board();
  for (int which = kFlopTable; which >= 0; --which) {
    if (!((boards >> which) & 1u)) continue;
    std::uint64_t dead = context.board_mask();
    const bool flop = which == kFlopTable;
    if (!flop) {
      // The turn may be the board's own (a spot that starts on the turn);
      // a flop card is never a turn.
      const Card turn = static_cast<Card>(which);
      if (turn == board[0] || turn == board[1] || turn == board[2] || turn == board[4]) continue;
      dead |= card_bit(turn);
    }
    const int runouts = matchup_runouts(dead, flop);
    if (runouts <= 0) continue;
    std::vector<std::pair<Card, Card>> list;
    for (Card a = 0; a < kNumCards; ++a) {
      if (dead & card_bit(a)) continue;
      if (!flop) {
        list.emplace_back(static_cast<Card>(which), a);
        continue;
      }
      for (Card b = static_cast<Card>(a + 1); b < kNumCards; ++b) {
        if (!(dead & card_bit(b))) list.emplace_back(a, b);
      }
    }
    const std::size_t pieces = flop ? std::max<std::size_t>(1, std::min<std::size_t>(16, list.size() / 64)) : 1;
    table_runouts[which] = runouts;
    parts_left[which].store(static_cast<int>(pieces));
    for (std::size_t k = 0; k < pieces; ++k) {
      Part part;
      part.which = which;
      part.runouts.assign(list.begin() + static_cast<std::ptrdiff_t>(list.size() * k / pieces),
                          list.begin() + static_cast<std::ptrdiff_t>(list.size() * (k + 1) / pieces));
      parts.push_back(std::move(part));
    }
  }
  if (parts.empty()) return;

  const auto count_part = [&](Part& part) {
    part.diff.assign(cells, 0);
    part.decided.assign(cells, 0);
    std::vector<std::int32_t> s0(h0_);
    std::vector<std::int32_t> s1(h1_);
    for (const auto& [a, b] : part.runouts) {
      throw_if_cancelled(cancel);
      const RunoutShowdown& sd = context.runout_showdown(a, b);
      std::fill(s0.begin(), s0.end(), 0);
      std::fill(s1.begin(), s1.end(), 0);
      for (const ShowdownEntry& e : sd.seat[0]) {
        if (e.slot < h0_) s0[e.slot] = static_cast<std::int32_t>(e.strength_plus_one);
      }
      for (const ShowdownEntry& e : sd.seat[1]) {
        if (e.slot < h1_) s1[e.slot] = static_cast<std::int32_t>(e.strength_plus_one);
      }
      for (std::size_t i = 0; i < h0_; ++i) {
        if (s0[i] == 0) continue;
        count_row(part.diff.data() + i * h1_, part.decided.data() + i * h1_, disjoint.data() + i * h1_, s1.data(),
                  s0[i], h1_);
      }
    }
  };
  // The last part of a table to finish adds the parts up (in order) and
  // turns the counts into shares.
  const auto finish_table = [&](int which) {
    std::vector<std::int16_t> diff(cells, 0);
    std::vector<std::int16_t> decided(cells, 0);
    for (Part& part : parts) {
      if (part.which != which) continue;
      for (std::size_t x = 0; x < cells; ++x) {
        diff[x] = static_cast<std::int16_t>(diff[x] + part.diff[x]);
        decided[x] = static_cast<std::int16_t>(decided[x] + part.decided[x]);
      }
      part.diff = {};
      part.decided = {};
    }
    Table& t = tables_[which];
    const float inv = 1.0f / static_cast<float>(table_runouts[which]);
    t.diff.resize(cells);
    for (std::size_t x = 0; x < cells; ++x) t.diff[x] = static_cast<float>(diff[x]) * inv;
    if (with_rake) {
      t.decided.resize(cells);
      for (std::size_t x = 0; x < cells; ++x) t.decided[x] = static_cast<float>(decided[x]) * inv;
    }
  };

  const unsigned workers =
      static_cast<unsigned>(std::min<std::size_t>(parts.size(), std::max(1u, CardContext::max_workers())));
  std::atomic<std::size_t> next{0};
  std::vector<std::exception_ptr> errors(workers);
  const auto work = [&](unsigned w) {
    try {
      for (std::size_t k = next.fetch_add(1); k < parts.size(); k = next.fetch_add(1)) {
        count_part(parts[k]);
        if (parts_left[parts[k].which].fetch_sub(1, std::memory_order_acq_rel) == 1) finish_table(parts[k].which);
      }
    } catch (...) {
      errors[w] = std::current_exception();
      next.store(parts.size());
    }
  };
  std::vector<Thread> threads;
  std::exception_ptr start_error;
  for (unsigned w = 1; w < workers; ++w) {
    try {
      threads.emplace_back([&work, w] { work(w); });
    } catch (...) {
      start_error = std::current_exception();
      break;
    }
  }
  work(0);
  for (Thread& t : threads) t.join();
  if (start_error) std::rethrow_exception(start_error);
  for (const std::exception_ptr& e : errors) {
    if (e) std::rethrow_exception(e);
  }
}

bool RunoutMatchups::has(Card turn) const {
  const std::size_t which = turn == kNoCard ? kFlopTable : turn;
  return which < tables_.size() && !tables_[which].diff.empty();
}

bool RunoutMatchups::values(const CardContext& context, Card turn, int seat, const float* reach, float* out,
                            double win, double lose, double tie, bool with_tie) const {
  const std::size_t which = turn == kNoCard ? kFlopTable : turn;
  if (which >= tables_.size() || seat < 0 || seat > 1) return false;
  const Table& t = tables_[which];
  if (t.diff.empty() || h0_ != context.hand_count(0) || h1_ != context.hand_count(1)) return false;
  const bool have_decided = !t.decided.empty();
  // Without the decided shares, W and L are only known when they pay
  // opposite amounts (no rake): win * W + lose * L = win * (W - L).
  if (!have_decided && (with_tie || std::fabs(win + lose) > 1e-12 * std::fabs(win))) return false;

  const std::size_t own_n = seat == 0 ? h0_ : h1_;
  const std::size_t opp_n = seat == 0 ? h1_ : h0_;
  // Fixed arrays: this runs at every visit of an all-in terminal.
  alignas(64) double d[kNumPockets];
  alignas(64) double k[kNumPockets];
  alignas(64) double unblocked[kNumPockets];
  std::fill(d, d + own_n, 0.0);
  if (have_decided) std::fill(k, k + own_n, 0.0);
  if (seat == 0) {
    alignas(64) double r[kNumPockets];
    for (std::size_t j = 0; j < opp_n; ++j) r[j] = static_cast<double>(reach[j]);
    for (std::size_t i = 0; i < own_n; ++i) {
      d[i] = dot_row(t.diff.data() + i * h1_, r, opp_n);
      if (have_decided) k[i] = dot_row(t.decided.data() + i * h1_, r, opp_n);
    }
  } else {
    // Seat 1's shares are seat 0's transposed, won and lost exchanged.
    for (std::size_t i = 0; i < opp_n; ++i) {
      const float x = reach[i];
      if (x == 0.0f) continue;
      add_row(d, t.diff.data() + i * h1_, -static_cast<double>(x), own_n);
      if (have_decided) add_row(k, t.decided.data() + i * h1_, static_cast<double>(x), own_n);
    }
  }

  if (with_tie) {
    // Reach of the live, disjoint opponent hands (the fold table of the
    // board): the split share is what remains of it once the decided share
    // is taken.
    std::fill(unblocked, unblocked + own_n, 0.0);
    velmora::unblocked_reach(context.fold_table(turn), seat, reach, unblocked);
  }

  for (std::size_t i = 0; i < own_n; ++i) {
    double v;
    if (have_decided) {
      const double w = 0.5 * (k[i] + d[i]);
      const double l = 0.5 * (k[i] - d[i]);
      v = w * win + l * lose;
      if (with_tie) v += (unblocked[i] - k[i]) * tie;
    } else {
      v = d[i] * win;
    }
    out[i] = static_cast<float>(v);
  }
  return true;
}

std::size_t RunoutMatchups::memory_bytes() const {
  std::size_t bytes = sizeof(*this);
  for (const Table& t : tables_) bytes += (t.diff.capacity() + t.decided.capacity()) * sizeof(float);
  return bytes;
}

}  // namespace velmora

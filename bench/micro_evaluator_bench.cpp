// Throughput of the seven-card evaluator, in hands per second.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "core/cards.h"
#include "core/evaluator.h"

namespace {

using velmora::Card;

constexpr std::size_t kSampleHands = 1 << 16;

// Random 7-card hands of distinct cards, stored back to back.
const std::vector<Card>& random_hands() {
  static const std::vector<Card> hands = [] {
    std::mt19937_64 rng(12345);
    std::vector<Card> out;
    out.reserve(kSampleHands * 7);
    for (std::size_t h = 0; h < kSampleHands; ++h) {
      std::array<Card, 52> deck{};
      for (int i = 0; i < 52; ++i) deck[static_cast<std::size_t>(i)] = static_cast<Card>(i);
      for (std::size_t i = 0; i < 7; ++i) {
        const std::size_t j = i + static_cast<std::size_t>(rng() % (52 - i));
        std::swap(deck[i], deck[j]);
        out.push_back(deck[i]);
      }
    }
    return out;
  }();
  return hands;
}

void set_rate(benchmark::State& state, std::int64_t hands) {
  state.SetItemsProcessed(hands);
  state.counters["hands_per_second"] = benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
}

void BM_EvaluateSevenUnchecked(benchmark::State& state) {
  const std::vector<Card>& hands = random_hands();
  std::int64_t done = 0;
  for (auto _ : state) {
    std::uint32_t acc = 0;
    for (std::size_t h = 0; h < kSampleHands; ++h) acc ^= velmora::evaluate_seven_unchecked(&hands[h * 7]);
    benchmark::DoNotOptimize(acc);
    done += static_cast<std::int64_t>(kSampleHands);
  }
  set_rate(state, done);
}
BENCHMARK(BM_EvaluateSevenUnchecked);

void BM_EvaluateSevenChecked(benchmark::State& state) {
  const std::vector<Card>& hands = random_hands();
  std::int64_t done = 0;
  for (auto _ : state) {
    std::uint32_t acc = 0;
    for (std::size_t h = 0; h < kSampleHands; ++h) {
      std::array<Card, 7> cards{};
      for (std::size_t i = 0; i < 7; ++i) cards[i] = hands[h * 7 + i];
      acc ^= velmora::evaluate_seven(cards);
    }
    benchmark::DoNotOptimize(acc);
    done += static_cast<std::int64_t>(kSampleHands);
  }
  set_rate(state, done);
}
BENCHMARK(BM_EvaluateSevenChecked);

// The card-context pattern: one river board, every pocket that does not touch it.
void BM_EvaluateRiverAllPockets(benchmark::State& state) {
  const std::array<Card, 5> board{velmora::parse_card("Ah"), velmora::parse_card("Kd"), velmora::parse_card("7s"),
                                  velmora::parse_card("6s"), velmora::parse_card("2c")};
  std::uint64_t board_mask = 0;
  for (const Card c : board) board_mask |= velmora::card_bit(c);
  std::vector<std::array<Card, 7>> hands;
  for (const velmora::Pocket p : velmora::pocket_table()) {
    if ((velmora::pocket_mask(p) & board_mask) != 0) continue;
    hands.push_back({velmora::pocket_lo(p), velmora::pocket_hi(p), board[0], board[1], board[2], board[3], board[4]});
  }
  std::int64_t done = 0;
  for (auto _ : state) {
    std::uint32_t acc = 0;
    for (const auto& cards : hands) acc ^= velmora::evaluate_seven_unchecked(cards.data());
    benchmark::DoNotOptimize(acc);
    done += static_cast<std::int64_t>(hands.size());
  }
  set_rate(state, done);
}
BENCHMARK(BM_EvaluateRiverAllPockets);

// Every 7-card hand that contains a fixed pair of cards: a long sequential sweep.
void BM_EvaluateSweep(benchmark::State& state) {
  std::int64_t done = 0;
  for (auto _ : state) {
    std::array<Card, 7> c{0, 1, 0, 0, 0, 0, 0};
    std::uint32_t acc = 0;
    std::int64_t n = 0;
    for (int a = 2; a < 52; ++a) {
      c[2] = static_cast<Card>(a);
      for (int b = a + 1; b < 52; ++b) {
        c[3] = static_cast<Card>(b);
        for (int d = b + 1; d < 52; ++d) {
          c[4] = static_cast<Card>(d);
          for (int e = d + 1; e < 52; ++e) {
            c[5] = static_cast<Card>(e);
            for (int f = e + 1; f < 52; ++f) {
              c[6] = static_cast<Card>(f);
              acc ^= velmora::evaluate_seven_unchecked(c.data());
              ++n;
            }
          }
        }
      }
    }
    benchmark::DoNotOptimize(acc);
    done += n;
  }
  set_rate(state, done);
}
BENCHMARK(BM_EvaluateSweep)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

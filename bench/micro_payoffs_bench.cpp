// Time of one terminal payoff on a realistic flop spot, by kind of terminal:
// river showdown, fold, turn all-in runout, flop all-in runout, each with and
// without rake. The reach vectors are random with about a third zeros, like
// the reach of a solve past its first iterations.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <memory>
#include <random>
#include <vector>

#include "core/bet_size.h"
#include "core/card_context.h"
#include "core/cards.h"
#include "core/game.h"
#include "core/payoffs.h"
#include "core/range.h"
#include "core/showdown_scan.h"
#include "tests/core/solver_spots.h"

namespace {

using namespace velmora;

constexpr const char* kOop =
    "TT+, 99:0.5, 88:0.5, 77:0.5, 66:0.5, AJs+, ATs:0.5, A9s:0.5, A5s-A2s, KQs, KJs, KTs:0.5, K9s:0.5, QJs, "
    "QTs:0.5, Q9s:0.5, JTs, J9s:0.5, T9s, T8s:0.5, 98s, 97s:0.5, 87s, 86s:0.5, 76s, 75s:0.5, 65s, 64s:0.5, 54s, "
    "AKo, AQo, AJo:0.5, KQo:0.5";
constexpr const char* kIp =
    "QQ:0.3, JJ-22, AKs:0.3, AQs-A9s, A5s-A4s, KQs-K9s, QJs-Q9s, JTs-J9s, T9s-T8s, 98s, 87s, 76s, 65s, 54s, "
    "AKo:0.3, AQo, AJo:0.5, KQo, KJo:0.5, QJo:0.5";

std::unique_ptr<Game> make_flop_game(double rake_rate, double rake_cap) {
  testing::Spot spot;
  spot.board = "Qs8s3d";
  spot.oop_range = kOop;
  spot.ip_range = kIp;
  spot.pot = 180;
  spot.stack = 910;
  spot.rake_rate = rake_rate;
  spot.rake_cap = rake_cap;
  spot.bets = "52%";
  spot.raises = "45%";
  spot.add_all_in = true;
  return testing::make_game(spot);
}

enum Kind { kRiverShowdown, kFold, kTurnAllIn, kFlopAllIn };

struct Fixture {
  std::unique_ptr<Game> game;
  std::array<std::vector<std::uint64_t>, 4> nodes;
  std::array<std::vector<float>, 2> reach;
};

Fixture& fixture(bool rake) {
  static std::array<std::unique_ptr<Fixture>, 2> cache;
  std::unique_ptr<Fixture>& f = cache[rake ? 1 : 0];
  if (f) return *f;
  f = std::make_unique<Fixture>();
  f->game = rake ? make_flop_game(0.05, 3.0) : make_flop_game(0.0, 0.0);
  const std::vector<GameNode>& nodes = f->game->nodes();
  for (std::uint64_t i = 0; i < nodes.size(); ++i) {
    const GameNode& n = nodes[i];
    if (n.type != kNodeTerminal) continue;
    Kind k = kRiverShowdown;
    if (n.last_action == kActFold) {
      k = kFold;
    } else if (n.turn != kNoCard && n.river != kNoCard) {
      k = kRiverShowdown;
    } else if (n.turn != kNoCard || n.river != kNoCard) {
      k = kTurnAllIn;
    } else {
      k = kFlopAllIn;
    }
    if (f->nodes[k].size() < 4096) f->nodes[k].push_back(i);
  }
  std::mt19937 rng(7);
  std::uniform_real_distribution<float> u(0.0f, 1.0f);
  for (int s = 0; s < 2; ++s) {
    const std::size_t n = f->game->card_context().hand_count(s);
    f->reach[s].resize(n);
    for (float& r : f->reach[s]) r = u(rng) < 0.33f ? 0.0f : u(rng);
  }
  return *f;
}

void BM_Terminal(benchmark::State& state) {
  const Kind kind = static_cast<Kind>(state.range(0));
  const bool rake = state.range(1) != 0;
  Fixture& f = fixture(rake);
  const std::vector<std::uint64_t>& list = f.nodes[kind];
  if (list.empty()) {
    state.SkipWithError("no terminal of this kind");
    return;
  }
  const CardContext& cc = f.game->card_context();
  std::array<std::vector<float>, 2> out{std::vector<float>(cc.hand_count(0)), std::vector<float>(cc.hand_count(1))};
  std::size_t k = 0;
  std::int64_t done = 0;
  for (auto _ : state) {
    const GameNode& node = f.game->nodes()[list[k]];
    const int seat = static_cast<int>(k & 1);
    terminal_values(*f.game, node, seat, f.reach[1 - seat], out[seat]);
    benchmark::DoNotOptimize(out[seat].data());
    k = (k + 1) % list.size();
    ++done;
  }
  state.SetItemsProcessed(done);
}
BENCHMARK(BM_Terminal)
    ->ArgNames({"kind", "rake"})
    ->Args({kRiverShowdown, 0})
    ->Args({kRiverShowdown, 1})
    ->Args({kFold, 0})
    ->Args({kTurnAllIn, 0})
    ->Args({kTurnAllIn, 1})
    ->Args({kFlopAllIn, 0});

// A call and a fold facing a river bet: valued apart, or in one scan.
void BM_CallAndFold(benchmark::State& state) {
  const bool together = state.range(0) != 0;
  Fixture& f = fixture(false);
  const Game& game = *f.game;
  std::vector<std::pair<std::uint64_t, std::uint64_t>> pairs;
  for (const GameNode& n : game.nodes()) {
    if (n.type != kNodeDecision || n.river == kNoCard) continue;
    std::uint64_t fold = 0, call = 0;
    for (std::uint64_t c : n.children) {
      const GameNode& k = game.nodes()[c];
      if (k.type != kNodeTerminal) continue;
      (k.last_action == kActFold ? fold : call) = c;
    }
    if (fold && call) pairs.emplace_back(call, fold);
    if (pairs.size() >= 4096) break;
  }
  const CardContext& cc = game.card_context();
  std::array<std::vector<float>, 2> a{std::vector<float>(cc.hand_count(0)), std::vector<float>(cc.hand_count(1))};
  std::array<std::vector<float>, 2> b = a;
  std::size_t k = 0;
  for (auto _ : state) {
    const auto [call, fold] = pairs[k];
    const int seat = static_cast<int>(k & 1);
    const TerminalPayoff& tc = game.terminal_payoff(call);
    const TerminalPayoff& tf = game.terminal_payoff(fold);
    if (together) {
      showdown_and_fold_values(game, tc, tf, seat, f.reach[1 - seat], a[seat], b[seat]);
    } else {
      terminal_values(game, tc, seat, f.reach[1 - seat], a[seat]);
      terminal_values(game, tf, seat, f.reach[1 - seat], b[seat]);
    }
    benchmark::DoNotOptimize(a[seat].data());
    benchmark::DoNotOptimize(b[seat].data());
    k = (k + 1) % pairs.size();
  }
}
BENCHMARK(BM_CallAndFold)->ArgName("together")->Arg(0)->Arg(1);

// The rivers of the fixture's showdowns, and per seat four random reaches
// (a third zeros) with their output rows and the factors of four pots.
struct BatchLanes {
  std::vector<const ShowdownScan*> scans;
  std::array<std::array<std::vector<float>, kScanBatch>, 2> reach, out, fold;
  std::array<std::array<const float*, kScanBatch>, 2> rp;
  std::array<std::array<float*, kScanBatch>, 2> op, fp;
  double win[kScanBatch], lose[kScanBatch], tie[kScanBatch], factor[kScanBatch];

  BatchLanes(Fixture& f, bool rake, unsigned seed) {
    const Game& game = *f.game;
    const CardContext& cc = game.card_context();
    for (std::uint64_t i : f.nodes[kRiverShowdown]) {
      const GameNode& n = game.nodes()[i];
      const ShowdownScan* sc = &cc.runout_showdown(n.turn, n.river).scan;
      if (scans.empty() || scans.back() != sc) scans.push_back(sc);
    }
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> u(0.0f, 1.0f);
    for (int s = 0; s < 2; ++s) {
      for (std::size_t k = 0; k < kScanBatch; ++k) {
        reach[s][k].resize(cc.hand_count(s));
        for (float& r : reach[s][k]) r = u(rng) < 0.33f ? 0.0f : u(rng);
        out[s][k].assign(cc.hand_count(s), 0.0f);
        fold[s][k].assign(cc.hand_count(s), 0.0f);
        rp[s][k] = reach[s][k].data();
        op[s][k] = out[s][k].data();
        fp[s][k] = fold[s][k].data();
      }
    }
    const double pots[kScanBatch] = {180, 370, 740, 2000};
    for (std::size_t k = 0; k < kScanBatch; ++k) {
      const double cut = rake ? std::min(3.0, 0.05 * pots[k]) : 0.0;
      win[k] = (pots[k] / 2 - cut) / cc.pair_weight();
      lose[k] = -(pots[k] / 2) / cc.pair_weight();
      tie[k] = -(cut / 2) / cc.pair_weight();
      factor[k] = -(pots[k] / 4) / cc.pair_weight();
    }
  }
};

// Four showdowns on one river, each against its own reach (four pots):
// four single scans, or one batched scan.
void BM_FourShowdowns(benchmark::State& state) {
  const bool batched = state.range(0) != 0;
  const bool rake = state.range(1) != 0;
  BatchLanes b(fixture(rake), rake, 11);
  std::size_t i = 0;
  for (auto _ : state) {
    const ShowdownScan& sc = *b.scans[i % b.scans.size()];
    const int s = static_cast<int>(i & 1);
    if (batched) {
      scan_showdown_batch(sc, s, kScanBatch, b.rp[1 - s].data(), b.op[s].data(), b.win, b.lose, b.tie, rake);
    } else {
      for (std::size_t k = 0; k < kScanBatch; ++k) {
        scan_showdown(sc, s, b.rp[1 - s][k], b.op[s][k], b.win[k], b.lose[k], b.tie[k], rake, false);
      }
    }
    benchmark::DoNotOptimize(b.op[s][0]);
    ++i;
  }
}
BENCHMARK(BM_FourShowdowns)->ArgNames({"batched", "rake"})->Args({0, 0})->Args({1, 0})->Args({0, 1})->Args({1, 1});

// Four folds, or four showdowns with the fold values beside them, on one
// river, each against its own reach: four single calls, or one batch.
void BM_FourFolds(benchmark::State& state) {
  const bool batched = state.range(0) != 0;
  const bool with_showdown = state.range(1) != 0;
  BatchLanes b(fixture(true), true, 12);
  std::size_t i = 0;
  for (auto _ : state) {
    const ShowdownScan& sc = *b.scans[i % b.scans.size()];
    const int s = static_cast<int>(i & 1);
    const float* const* r = b.rp[1 - s].data();
    float* const* op = b.op[s].data();
    float* const* fp = b.fp[s].data();
    if (with_showdown && batched) {
      scan_showdown_and_fold_batch(sc, s, kScanBatch, r, op, b.win, b.lose, b.tie, true, fp, b.factor);
    } else if (with_showdown) {
      for (std::size_t k = 0; k < kScanBatch; ++k) {
        scan_showdown_and_fold(sc, s, r[k], op[k], b.win[k], b.lose[k], b.tie[k], true, fp[k], b.factor[k]);
      }
    } else if (batched) {
      scan_fold_batch(sc, s, kScanBatch, r, fp, b.factor);
    } else {
      for (std::size_t k = 0; k < kScanBatch; ++k) scan_fold(sc, s, r[k], fp[k], b.factor[k]);
    }
    benchmark::DoNotOptimize(fp[0]);
    ++i;
  }
}
BENCHMARK(BM_FourFolds)
    ->ArgNames({"batched", "showdown"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1});

}  // namespace

BENCHMARK_MAIN();

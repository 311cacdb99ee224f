// Card context: board checks, filtering, showdown records, live lists, card
// removal, worker count and the process-wide cache.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>

#include "board_inputs.h"
#include "core/card_context.h"
#include "core/evaluator.h"

namespace velmora {
namespace {

using testing::make_board;
using testing::make_ranges;

template <typename Ex>
void expect_error(const Board& board, const std::array<Range, 2>& ranges, const std::string& message) {
  try {
    CardContext ctx(board, ranges);
    ADD_FAILURE() << "expected \"" << message << "\"";
  } catch (const Ex& e) {
    EXPECT_EQ(std::string(e.what()), message);
  }
}

// Sets VELMORA_CARDCTX_MAX_WORKERS (or unsets it for null) for one scope.
struct WorkerEnv {
  explicit WorkerEnv(const char* value) {
    if (const char* old = std::getenv("VELMORA_CARDCTX_MAX_WORKERS")) saved = old;
    value ? setenv("VELMORA_CARDCTX_MAX_WORKERS", value, 1) : unsetenv("VELMORA_CARDCTX_MAX_WORKERS");
  }
  ~WorkerEnv() {
    saved ? setenv("VELMORA_CARDCTX_MAX_WORKERS", saved->c_str(), 1) : unsetenv("VELMORA_CARDCTX_MAX_WORKERS");
  }
  std::optional<std::string> saved;
};

// The tables flattened, holding no reference to the cached record.
std::vector<double> snapshot(const CardContext& ctx) {
  std::vector<double> s{ctx.pair_weight()};
  for (int seat = 0; seat < 2; ++seat) {
    for (std::size_t i = 0; i < ctx.hand_count(seat); ++i) {
      s.insert(s.end(), {double(ctx.pockets(seat)[i]), ctx.weights(seat)[i], ctx.initial_reach(seat)[i],
                         ctx.removal_weight(seat)[i], double(ctx.opponent_slot(seat)[i])});
    }
    for (Card a = 0; a < kNumCards; ++a) {
      for (Card b = a + 1; b < kNumCards; ++b) {
        for (const auto& e : ctx.runout_showdown(a, b).seat[seat])
          s.insert(s.end(), {double(e.strength_plus_one), double(e.slot)});
        for (const auto slot : ctx.live_after_runout(a, b).seat[seat]) s.push_back(-double(slot));
      }
    }
  }
  return s;
}

std::array<Range, 2> random_ranges(unsigned seed, int percent) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<float> weight(0.05f, 1.0f);
  std::array<Range, 2> ranges{};
  for (auto& r : ranges) {
    for (float& w : r) w = int(rng() % 100) < percent ? weight(rng) : 0.0f;
  }
  return ranges;
}

TEST(CardContextInput, BadBoardsAndEmptyRangesThrowTheirMessages) {
  const auto ok = make_ranges("AA,KK", "QQ,JJ");
  const Card X = kNoCard;
  expect_error<std::invalid_argument>({X, 4, 8, X, X}, ok, "Flop cards must be defined");
  expect_error<std::out_of_range>({52, 4, 8, X, X}, ok, "Card code must be in [0, 52)");
  expect_error<std::invalid_argument>({4, 8, 8, X, X}, ok, "Flop cards must be unique");
  expect_error<std::out_of_range>({0, 4, 8, 60, X}, ok, "Card code must be in [0, 52)");
  expect_error<std::invalid_argument>({0, 4, 8, 4, X}, ok, "Turn conflicts with flop");
  expect_error<std::out_of_range>({0, 4, 8, 12, 52}, ok, "Card code must be in [0, 52)");
  expect_error<std::invalid_argument>({0, 4, 8, 12, 8}, ok, "River conflicts with existing cards");
  expect_error<std::invalid_argument>({0, 4, 8, 12, 12}, ok, "River conflicts with existing cards");
  expect_error<std::invalid_argument>({0, 4, 8, X, 16}, ok, "River cannot be dealt without a turn");
  const Board board = make_board("AhQd5c");
  const std::string empty = "Player range empty after filtering board cards";
  expect_error<std::invalid_argument>(board, make_ranges("AhKh", "KK"), empty);
  expect_error<std::invalid_argument>(board, make_ranges("KK", "AhKh,Qd2c"), empty);
  auto negative = ok;
  negative[1].fill(-0.5f);
  expect_error<std::invalid_argument>(board, negative, empty);
}

TEST(CardContextTables, FilteringSlotsAndLiveListsMatchBruteForce) {
  const Board board = make_board("Qc8d3h");
  auto ranges = make_ranges("AA:0.5,KK,QQ,AQs,Q8s,83o", "88,33,A8s,KQo,KK");
  ranges[0][pocket_index(parse_card("Kc"), parse_card("Kd"))] = 0.0f;
  const CardContext ctx(board, ranges);
  for (int seat = 0; seat < 2; ++seat) {
    std::vector<Pocket> pockets;
    for (int idx = 0; idx < kNumPockets; ++idx) {
      if (ranges[seat][idx] > 0 && !(pocket_mask(pocket_table()[idx]) & ctx.board_mask()))
        pockets.push_back(pocket_table()[idx]);
    }
    ASSERT_EQ(ctx.pockets(seat), pockets);
    for (std::size_t i = 0; i < pockets.size(); ++i) {
      EXPECT_EQ(ctx.weights(seat)[i], ranges[seat][pocket_index(pocket_lo(pockets[i]), pocket_hi(pockets[i]))]);
      EXPECT_EQ(ctx.all_slots(seat)[i], i);
      const auto& theirs = ctx.pockets(1 - seat);
      const auto it = std::find(theirs.begin(), theirs.end(), pockets[i]);
      EXPECT_EQ(ctx.opponent_slot(seat)[i], it == theirs.end() ? kNoSlot : it - theirs.begin());
    }
    for (Card c = 0; c < kNumCards; ++c) {
      std::vector<std::uint16_t> live;
      for (std::size_t i = 0; i < pockets.size() && !(ctx.board_mask() & card_bit(c)); ++i) {
        if (!(pocket_mask(pockets[i]) & card_bit(c))) live.push_back(std::uint16_t(i));
      }
      EXPECT_EQ(ctx.live_after_card(c).seat[seat], live);
    }
  }
  EXPECT_EQ(ctx.hand_count(0), 6u + 5u + 3u + 3u + 2u + 7u);  // AA, KK-KcKd, QQ, AQs, Q8s, 83o
  const CardContext turn(make_board("Qc8d3h", "Ks"), ranges);
  EXPECT_EQ(turn.live_after_card(parse_card("Ks")).seat[1], turn.all_slots(1));
  EXPECT_TRUE(turn.live_after_card(parse_card("2c")).seat[1].empty());
}

// Every filled record: sentinels, ascending (strength, slot), exactly the
// slots that miss the runout, strengths from the evaluator.
std::size_t check_showdowns(const CardContext& ctx) {
  std::size_t filled = 0;
  for (Card a = 0; a < kNumCards; ++a) {
    for (Card b = a + 1; b < kNumCards; ++b) {
      const auto& rec = ctx.runout_showdown(a, b);
      if (rec.seat[0].empty()) continue;
      ++filled;
      const std::vector<Card> five{ctx.board()[0], ctx.board()[1], ctx.board()[2], a, b};
      for (int seat = 0; seat < 2; ++seat) {
        const auto& list = rec.seat[seat];
        EXPECT_TRUE(list.front().strength_plus_one == 0 && list.front().slot == kNoSlot);
        EXPECT_TRUE(list.back().strength_plus_one == 0xFFFFFFFFu && list.back().slot == kNoSlot);
        std::vector<std::pair<std::uint32_t, std::uint16_t>> expected;
        std::vector<std::uint16_t> live;
        for (std::size_t i = 0; i < ctx.hand_count(seat); ++i) {
          if (pocket_mask(ctx.pockets(seat)[i]) & (card_bit(a) | card_bit(b))) continue;
          expected.emplace_back(evaluate_hand(ctx.pockets(seat)[i], five) + 1, std::uint16_t(i));
          live.push_back(std::uint16_t(i));
        }
        EXPECT_EQ(ctx.live_after_runout(a, b).seat[seat], live);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(list.size(), expected.size() + 2);
        for (std::size_t k = 0; k < expected.size() && k + 2 < list.size(); ++k) {
          EXPECT_EQ(list[k + 1].strength_plus_one, expected[k].first);
          EXPECT_EQ(list[k + 1].slot, expected[k].second);
        }
      }
    }
  }
  return filled;
}

TEST(CardContextTables, ShowdownRecordsPerStreet) {
  const auto ranges = make_ranges("JJ+,88,33,AJs+,KQo,T9s,Ah5h", "TT-66,A9s+,KJo+,QhTh,98s");
  EXPECT_EQ(check_showdowns(CardContext(make_board("Jh8h3c"), ranges)), 1176u);
  EXPECT_EQ(check_showdowns(CardContext(make_board("Jh8h3c", "7h"), ranges)), 48u);
  const CardContext river(make_board("Jh8h3c", "7h", "Ac"), ranges);
  EXPECT_EQ(check_showdowns(river), 1u);
  EXPECT_EQ(&river.runout_showdown(parse_card("Ac"), parse_card("7h")),
            &river.runout_showdown(parse_card("7h"), parse_card("Ac")));
  // Pairs that are no runout share one empty record; a card never pairs with itself.
  const RunoutShowdown& empty = river.runout_showdown(kNoCard, 5);
  EXPECT_TRUE(empty.seat[0].empty() && empty.seat[1].empty());
  for (const auto& [a, b] : std::initializer_list<std::pair<Card, Card>>{{5, kNoCard}, {5, 5}, {60, 5}}) {
    EXPECT_EQ(&river.runout_showdown(a, b), &empty);
  }
  EXPECT_TRUE(river.live_after_runout(5, 5).seat[0].empty());
  EXPECT_TRUE(river.live_after_card(kNoCard).seat[0].empty());
}

TEST(CardContextTables, PairWeightAndInitialReachMatchBruteForce) {
  for (const unsigned seed : {1u, 2u}) {
    const CardContext ctx(seed == 1 ? make_board("Kh9c2d") : make_board("As7d7c", "Jd"), random_ranges(seed, 30));
    std::array<std::vector<double>, 2> raw;
    for (int seat = 0; seat < 2; ++seat) {
      for (std::size_t i = 0; i < ctx.hand_count(seat); ++i) {
        double compatible = 0.0;
        for (std::size_t j = 0; j < ctx.hand_count(1 - seat); ++j) {
          if (!(pocket_mask(ctx.pockets(seat)[i]) & pocket_mask(ctx.pockets(1 - seat)[j])))
            compatible += ctx.weights(1 - seat)[j];
        }
        raw[seat].push_back(ctx.weights(seat)[i] * compatible);
      }
    }
    double pair_weight = 0.0;
    for (const double v : raw[0]) pair_weight += v;
    EXPECT_NEAR(ctx.pair_weight(), pair_weight, 1e-12 * pair_weight);
    for (int seat = 0; seat < 2; ++seat) {
      double total = 0.0;
      for (const double v : raw[seat]) total += v;
      for (std::size_t i = 0; i < raw[seat].size(); ++i) {
        EXPECT_NEAR(ctx.removal_weight(seat)[i], raw[seat][i], 1e-6 * raw[seat][i]);
        EXPECT_NEAR(ctx.initial_reach(seat)[i], raw[seat][i] / total, 1e-7);
      }
    }
  }
  // Identical one-combo ranges never meet: nothing to normalise, all zero.
  const CardContext same(make_board("2c7d9h"), make_ranges("AhKh", "AhKh"));
  EXPECT_EQ(same.pair_weight(), 0.0);
  for (int seat = 0; seat < 2; ++seat)
    EXPECT_TRUE(same.initial_reach(seat)[0] == 0.0f && same.removal_weight(seat)[0] == 0.0f);
}

TEST(CardContextWorkers, EnvironmentVariableIsReadLikeStoi) {
  const unsigned hw = std::max(1u, std::thread::hardware_concurrency());
  const std::pair<const char*, unsigned> cases[] = {{nullptr, hw}, {"0", hw},           {"-3", hw}, {"abc", hw},
                                                    {"", hw},      {"99999999999", hw}, {"64", 64}, {" 12", 12},
                                                    {"7abc", 7},   {"+5", 5},           {"3.9", 3}, {"100000", 100000}};
  for (const auto& [text, expected] : cases) {
    WorkerEnv env(text);
    EXPECT_EQ(CardContext::max_workers(), expected) << (text ? text : "(unset)");
  }
}

TEST(CardContextWorkers, TablesDoNotDependOnTheWorkerCount) {
  const Board board = make_board("8h7h2s");
  const auto ranges = random_ranges(11, 25);
  std::vector<double> reference;
  for (const char* workers : {"1", "3", "2000"}) {
    WorkerEnv env(workers);
    ASSERT_EQ(find_cached_artifacts(cache_key(board, ranges)), nullptr);  // a real build each time
    const auto s = snapshot(CardContext(board, ranges));
    if (reference.empty()) reference = s;
    EXPECT_TRUE(s == reference) << workers;
  }
}

TEST(CardContextCache, KeysHitsAndExpiry) {
  const Board board = make_board("Qs8c5d");
  const auto ranges = make_ranges("22+,A2s+,KTo+", "44+,A5s+,KQo");
  const std::uint64_t key = cache_key(board, ranges);
  EXPECT_EQ(key, cache_key(board, make_ranges("A2s+,22+,KTo+", "KQo,A5s+,44+")));
  EXPECT_NE(key, cache_key(make_board("Qs8c5d", "2c"), ranges));
  EXPECT_NE(key, cache_key(board, {ranges[1], ranges[0]}));
  EXPECT_NE(range_hash(ranges[0]), range_hash(make_ranges("22+,A2s+,KTo+,32o:0.01", "")[0]));
  std::weak_ptr<CardContext::CachedArtifacts> watch;
  {
    ASSERT_EQ(find_cached_artifacts(key), nullptr);
    const CardContext first(board, ranges);
    EXPECT_EQ(cache_key(first), key);
    const auto record = find_cached_artifacts(key);
    ASSERT_NE(record, nullptr);
    const CardContext second(board, ranges);
    EXPECT_EQ(find_cached_artifacts(key), record);  // a miss would have stored a new record
    EXPECT_TRUE(snapshot(first) == snapshot(second));
    EXPECT_EQ(first.memory_bytes(), second.memory_bytes());
    EXPECT_EQ(first.suit_isomorphism().river[0].twins, second.suit_isomorphism().river[0].twins);
    watch = record;
  }
  EXPECT_TRUE(watch.expired());
  EXPECT_EQ(find_cached_artifacts(key), nullptr);
}

TEST(CardContextCache, RecordOfOtherInputsUnderTheSameKeyIsNotUsed) {
  const Board board_a = make_board("Kd7s2c", "9h", "3s");
  const auto ranges_a = make_ranges("AA,KK", "QQ");
  const CardContext b(make_board("Ah8h4c", "Td", "6d"), make_ranges("JJ,TT,99", "88,AKs"));
  const auto record_b = find_cached_artifacts(b.cache_key());
  store_cached_artifacts(cache_key(board_a, ranges_a), record_b);  // a key collision
  const CardContext a(board_a, ranges_a);
  EXPECT_EQ(a.hand_count(0), 6u + 3u);  // AA, KK without Kd
  EXPECT_NE(find_cached_artifacts(a.cache_key()), record_b);
}

TEST(CardContextCache, ConcurrentConstructionIsSafeAndConsistent) {
  const std::vector<std::pair<Board, std::array<Range, 2>>> spots = {
      {make_board("Kd7s2c", "9h", "3s"), make_ranges("22+,A2s+,K9o+", "44+,A5s+,KQo")},
      {make_board("Kd7s2c", "9h"), make_ranges("22+,A2s+,K9o+", "44+,A5s+,KQo")},
      {make_board("6h5h4h"), make_ranges("AA,KK,AhKh,7h6d", "QQ,JJ,8h7h")},
  };
  std::vector<std::vector<double>> expected;
  for (const auto& [board, ranges] : spots) expected.push_back(snapshot(CardContext(board, ranges)));
  std::atomic<int> mismatches{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 8; ++t) {
    threads.emplace_back([&, t] {
      for (int round = 0; round < 12; ++round) {
        const std::size_t k = std::size_t(t + round) % spots.size();
        if (snapshot(CardContext(spots[k].first, spots[k].second)) != expected[k]) ++mismatches;
      }
    });
  }
  for (auto& th : threads) th.join();
  EXPECT_EQ(mismatches.load(), 0);
  for (const auto& [board, ranges] : spots) EXPECT_EQ(find_cached_artifacts(cache_key(board, ranges)), nullptr);
}

}  // namespace
}  // namespace velmora

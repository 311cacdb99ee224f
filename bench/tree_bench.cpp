// Times the set-up of a full flop spot: the card context (first build and a
// cache hit of the same inputs), the betting tree with all build threads and
// with one, and the Game around them. Prints node counts per type.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "core/action_plan.h"
#include "core/card_context.h"
#include "core/game.h"
#include "core/range.h"

using namespace velmora;

namespace {

using Clock = std::chrono::steady_clock;

double ms_since(Clock::time_point t0) { return std::chrono::duration<double, std::milli>(Clock::now() - t0).count(); }

SizeSpec pct(double v) { return SizeSpec{kSizePotFraction, v, 0.0, 0, 0, 0}; }
SizeSpec allin() { return SizeSpec{kSizeAllIn, 0.0, 0.0, 0, 0, 0}; }

void street(StreetSizeLists& l, double bet, double raise) {
  const std::vector<SizeSpec> bets{pct(bet), allin()};
  const std::vector<SizeSpec> raises{pct(raise), allin()};
  l.bets = {bets, bets};
  l.raises = {raises, raises};
  l.leads = bets;
}

void print_counts(const char* label, const ActionPlan& plan, double ms) {
  std::size_t count[3] = {0, 0, 0};
  std::size_t runouts = 0;
  for (const PlanNode& n : plan.nodes()) {
    ++count[n.type];
    runouts += n.type == kNodeTerminal && n.allin_runout;
  }
  std::printf("%-28s %9.1f ms  nodes %zu (decision %zu, chance %zu, terminal %zu, of which all-in runout %zu)\n", label,
              ms, plan.node_count(), count[kNodeDecision], count[kNodeChance], count[kNodeTerminal], runouts);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string board_text = argc > 1 ? argv[1] : "Ks7d2c";
  const auto flop = parse_flop(board_text);
  const Board board{flop[0], flop[1], flop[2], kNoCard, kNoCard};
  // About 54 hand classes for OOP, 44 for IP.
  const std::array<Range, 2> ranges{
      parse_range("22-99, A2s-AJs, K6s-KJs, Q8s-QJs, J8s+, T7s+, 97s+, 86s+, 75s+, 64s+, 53s+, "
                  "A8o-AJo:0.75, KTo-KJo:0.5, QTo+, JTo, T9o:0.5"),
      parse_range("22+, A2s+, K9s+, QTs+, JTs, T9s, 98s, 87s, 76s, 65s, ATo+, KJo+, QJo")};

  TreeConfig cfg;
  cfg.start_street = 0;
  cfg.starting_pot = 180;
  cfg.effective_stack = 910;
  street(cfg.flop, 0.52, 0.45);
  street(cfg.turn, 0.55, 0.45);
  street(cfg.river, 0.70, 0.45);

  std::printf("board %s, hands OOP/IP after the board: ", board_text.c_str());
  auto t0 = Clock::now();
  CardContext first(board, ranges);
  const double first_ms = ms_since(t0);
  std::printf("%zu/%zu, card-context workers %u\n", first.hand_count(0), first.hand_count(1), CardContext::max_workers());
  std::printf("%-28s %9.1f ms  (%.1f MB of tables)\n", "card context, first build", first_ms,
              first.memory_bytes() / 1048576.0);

  // The first context is still alive, so its cached tables are found.
  t0 = Clock::now();
  CardContext second(board, ranges);
  const double second_ms = ms_since(t0);
  std::printf("%-28s %9.1f ms  (%.1fx faster, same key: %s)\n", "card context, cache hit", second_ms,
              second_ms > 0 ? first_ms / second_ms : 0.0, first.cache_key() == second.cache_key() ? "yes" : "no");

  t0 = Clock::now();
  ActionPlan plan(cfg, &first);
  print_counts("tree, all build threads", plan, ms_since(t0));
  std::printf("%-28s %9u\n", "  build worker maximum", ActionPlan::max_workers_from_env());

  const char* old = std::getenv("VELMORA_ACTIONPLAN_MAX_WORKERS");
  const std::string saved = old ? old : "";
  setenv("VELMORA_ACTIONPLAN_MAX_WORKERS", "1", 1);
  t0 = Clock::now();
  ActionPlan serial(cfg, &first);
  print_counts("tree, one build thread", serial, ms_since(t0));
  if (old) {
    setenv("VELMORA_ACTIONPLAN_MAX_WORKERS", saved.c_str(), 1);
  } else {
    unsetenv("VELMORA_ACTIONPLAN_MAX_WORKERS");
  }
  bool same = serial.node_count() == plan.node_count();
  for (std::size_t i = 0; same && i < plan.node_count(); ++i) {
    same = plan.node(i).actions == serial.node(i).actions && plan.node(i).children == serial.node(i).children;
  }
  std::printf("%-28s %9s\n", "  same numbering", same ? "yes" : "NO");

  t0 = Clock::now();
  Game game(cfg, std::move(second));
  std::printf("%-28s %9.1f ms  (%zu nodes)\n", "game (tree + node records)", ms_since(t0), game.nodes().size());
  return same ? 0 : 1;
}

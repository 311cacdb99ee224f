// rangegen: writes the two preset range tables that the Setup page ships,
// Velmora/qml/data/standard_ranges.json and exploit_ranges.json. The program
// does not need it at run time; the generated files are committed, and a test
// checks that they are what this generator writes.
//
//   rangegen --write DIR   writes both files into DIR
//   rangegen --check DIR   exits non-zero when a file in DIR differs
//
// How the ranges are made:
//
// 1. Rankings. For each of the 169 hand classes the all-in equity against a
//    random hand, against the best 15% and the best 40% of hands (by equity
//    against a random hand) and against QQ+ and AK is estimated with the
//    project's hand evaluator over 40000 deals per class. The deals come from
//    a fixed-seed SplitMix64 stream that every class replays, so every run
//    gives the same figures and neighbouring classes are compared on nearly
//    the same deals. Within one high card and suitedness a better kicker never
//    ranks below a worse one (the wheel aces A5-A2 form their own chain).
//    - strength: equity against the best 15% (3-bet value, passive raises).
//    - premium: equity against QQ+ and AK (4-bet value, 5-bet jams, calls of
//      4-bets).
//    - playable: strength plus a playability bonus: +0.045 for pairs; +0.035
//      suited, -0.01 offsuit; +0.025 for connectors, +0.015 one gap, +0.006
//      two gaps (A5-A2 count as wheel connectors); +0.015 for suited wheel
//      aces. A range of width w (share of all combos) ranks by the playable
//      score against the best 15% up to w = 15%, against the best 40% from
//      w = 45%, blended in between.
//    - bluff: suited classes only: playability bonus + 0.2 x equity against a
//      random hand, + 0.08 for suited wheel aces, + 0.05 for other suited aces,
//      + 0.02 for suited kings.
// 2. Cutting a range. A range of T combos takes the classes best-first; a
//    class wholly inside T - E/2 is taken whole, one beyond T + E/2 not at
//    all, one in the band of width E in proportion, in steps of 0.05; shares
//    below 0.1 are dropped. E is 12% of the range (30% for 3-bet value).
//    Bluffs take 70% of the best candidates' combos and fall off in steps of
//    0.05 down the bluff ranking.
// 3. Six-max model (100bb, 2.5bb opens), widths as shares of all combos:
//    - first raises: UTG 17%, HJ 21%, CO 27.5%, BTN 44%, SB 40%;
//    - against a raise, 3-bet and flat-call widths per pair of seats (BB
//      against BTN 11% and 42%, SB against UTG 5% and 2%, ...; the big blind
//      defends 30% against UTG up to 58% against the SB); the 3-bet is
//      value (70% of it against UTG down to 55% against BTN and SB) plus
//      bluffs; flat calls are the continuing range minus the 3-bets;
//    - against a 3-bet the opener goes on with 44-56% of its range; 4-bets
//      are value by the premium ranking (22 combos from UTG to 40 from BTN and
//      SB, more against later 3-bettors) and bluffs: the suited wheel aces,
//      then suited aces and kings that would fold; the rest calls;
//    - against a 4-bet the 3-bettor's bluffs fold; its value jams AA and, over
//      a band, fewer and fewer of KK, QQ, AK, and calls with 40% (against UTG)
//      to 55% (against BTN and SB) of the value range.
//    A range after several actions is the product of the shares of every
//    action on the way (the opener's 4-bet range is its open times its 4-bet
//    share), written with up to four decimals; weights below 0.05 are left out.
// 4. Rake: the highest rake (50nl) cuts first raises to 92%, flat calls to
//    76%, 3-bets to 96%, continuing against 3-bets to 93% and bluffs to 90%;
//    100nl, 200nl and 500nl rake lie in between and no rake leaves all as is.
// 5. Heads-up: the SB opens 80%; the BB 3-bets 16% and calls 52%; the SB goes
//    on with half of its opens against a 3-bet.
// 6. Population types: passive players play 21% to 55% of hands from early
//    seats (more from the button, 90% of it from the SB), raise 20% to 50% of
//    them with the strongest hands and limp the rest, limping a share of QQ+
//    and AK to re-raise; they 3-bet for value only and call 3-bets and 4-bets
//    often. Loose aggressive players raise most hands they play (from early
//    seats 22% and 39%, from the button 46% and 82%, wider than a regular),
//    3-bet 9% and 15% with bluffs, 4-bet with many bluffs and defend their big
//    blind 43% and 57%. The nit plays 11% of hands from early seats and 24%
//    from the button; like the aggressive players it widens by seat as a
//    regular does (0.8x early, 1.7x on the button, 1.6x in the SB).
//    The weaker regulars play the six-max spots without rake with narrower
//    (0.85x opens, 0.8x calls) or wider (1.15x opens, 1.2x calls) widths.
//    "Bomb pot" is "100%".
#include <functional>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "scripts/rangegen/json_writer.h"
#include "scripts/rangegen/population_table.h"
#include "scripts/rangegen/rankings.h"
#include "scripts/rangegen/standard_table.h"

namespace {

constexpr int kSamplesPerClass = 40000;
// The population table carries an export time; the shipped one is fixed.
constexpr const char* kGeneratedAt = "2026-01-13T18:02:34.700Z";

void expect(bool ok, const std::string& what) {
  if (!ok) throw std::logic_error("Generated table is malformed: " + what);
}

void check_shape(const rangegen::StandardTable& s, const rangegen::PopulationTable& p) {
  expect(s.oop.size() == 230 && s.ip.size() == 225, "standard entry counts");
  for (const auto* list : {&s.oop, &s.ip})
    for (const auto& e : *list) expect(!e.value.empty(), "empty standard range " + e.name);
  expect(rangegen::count_folders(p.oop) == 81 && rangegen::count_folders(p.ip) == 81, "population folder counts");
  expect(rangegen::count_ranges(p.oop) == 193 && rangegen::count_ranges(p.ip) == 202, "population range counts");
  std::function<void(const std::vector<rangegen::Node>&)> walk = [&](const std::vector<rangegen::Node>& nodes) {
    for (const auto& n : nodes) {
      if (n.folder) walk(n.children);
      else expect(!n.value.empty(), "empty population range " + n.name);
    }
  };
  walk(p.oop);
  walk(p.ip);
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

bool same_as_file(const std::string& path, const std::string& text) {
  const std::string on_disk = read_file(path);
  if (on_disk == text) return true;
  std::size_t i = 0;
  while (i < on_disk.size() && i < text.size() && on_disk[i] == text[i]) ++i;
  std::size_t line = 1;
  for (std::size_t k = 0; k < i && k < text.size(); ++k) line += text[k] == '\n' ? 1 : 0;
  std::cerr << path << " differs from the generated table at line " << line << "\n";
  return false;
}

bool write_file(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || (std::string(argv[1]) != "--write" && std::string(argv[1]) != "--check")) {
    std::cerr << "usage: rangegen --write|--check DIR\n";
    return 2;
  }
  try {
    const bool write = std::string(argv[1]) == "--write";
    const std::string dir = argv[2];
    const rangegen::Rankings rankings = rangegen::compute_rankings(kSamplesPerClass);
    const rangegen::StandardTable standard = rangegen::build_standard_table(rankings);
    const rangegen::PopulationTable population = rangegen::build_population_table(rankings);
    check_shape(standard, population);
    const std::string standard_text = rangegen::standard_json(standard);
    const std::string population_text = rangegen::population_json(population, kGeneratedAt);
    const std::string standard_path = dir + "/standard_ranges.json";
    const std::string population_path = dir + "/exploit_ranges.json";
    if (write) {
      if (!write_file(standard_path, standard_text) || !write_file(population_path, population_text)) {
        std::cerr << "cannot write into " << dir << "\n";
        return 1;
      }
      return 0;
    }
    const bool same_standard = same_as_file(standard_path, standard_text);
    const bool same_population = same_as_file(population_path, population_text);
    return same_standard && same_population ? 0 : 1;
  } catch (const std::exception& e) {
    std::cerr << "rangegen: " << e.what() << "\n";
    return 1;
  }
}

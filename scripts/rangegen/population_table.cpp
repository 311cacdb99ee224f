#include "scripts/rangegen/population_table.h"

#include <algorithm>
#include <stdexcept>

#include "scripts/rangegen/preflop_model.h"
#include "scripts/rangegen/shapes.h"
#include "scripts/rangegen/standard_table.h"

namespace rangegen {

namespace {

constexpr double kAllCombos = 1326.0;
constexpr double kEdge = 0.12;
const std::string kEnDash = "\xE2\x80\x93";
const char* const kPremiums[] = {"AA", "KK", "QQ", "AKs", "AKo"};

// How one type of player plays preflop.
struct Profile {
  double vpip;             // share of hands played from UTG/HJ/CO .. scaled per seat
  double raise_share;      // share of the played hands raised first in
  double trap;             // share of QQ+ and AK limped instead of raised
  double three_bet;        // 3-bet width facing a raise, share of all combos
  double three_bet_value;  // value share of those 3-bets
  double call_raise;       // big blind flat width facing a raise
  double iso;              // big blind raise width over limpers
  double cont;             // share of first raises going on against a 3-bet
  double four_bet_value;   // value 4-bet combos
  double four_bet_bluffs;  // bluff 4-bet combos
  double call_four_bet;    // share of value 3-bets calling a 4-bet
  double jam;              // 5-bet jam combos against a 4-bet
  double cold_call;        // cold calls of a 3-bet, share of all combos
  bool aggressive;         // raises with the playable ranking rather than strength
  bool positional;         // widens by seat as a regular does, not as a passive player
};

const Profile kPassiveTight{0.21, 0.50, 0.20, 0.030, 1.0, 0.20, 0.08, 0.60, 10, 0, 0.80, 6, 0.022, false, false};
const Profile kPassiveNeutral{0.30, 0.40, 0.25, 0.035, 1.0, 0.28, 0.07, 0.62, 12, 0, 0.80, 6, 0.028, false, false};
const Profile kPassiveLoose{0.40, 0.30, 0.30, 0.040, 1.0, 0.36, 0.06, 0.65, 14, 0, 0.80, 6, 0.035, false, false};
const Profile kExtremeLoose{0.55, 0.20, 0.35, 0.045, 1.0, 0.48, 0.03, 0.70, 16, 0, 0.85, 6, 0.045, false, false};
const Profile kStandardLag{0.34, 0.80, 0.0, 0.090, 0.55, 0.34, 0.10, 0.50, 28, 16, 0.50, 16, 0.030, true, true};
const Profile kManiac{0.57, 0.85, 0.0, 0.150, 0.50, 0.42, 0.14, 0.55, 48, 36, 0.55, 20, 0.040, true, true};
const Profile kNit{0.14, 0.85, 0.0, 0.025, 1.0, 0.13, 0.06, 0.45, 12, 0, 0.50, 12, 0.015, false, true};

enum class Seat { Early, Button, SmallBlind, BigBlind };

Seat seat_of(const std::string& folder) {
  if (folder == "UTG/HJ/CO") return Seat::Early;
  if (folder == "BU") return Seat::Button;
  if (folder == "SB") return Seat::SmallBlind;
  if (folder == "BB") return Seat::BigBlind;
  throw std::invalid_argument("Unknown seat folder " + folder);
}

// Played hands widen from early seats to the button: a little for passive
// players, as much as a regular's for the aggressive ones and the nit (a
// loose-aggressive player opens more than a regular on the button).
double seat_factor(Seat s, bool positional) {
  switch (s) {
    case Seat::Early: return 0.8;
    case Seat::Button: return positional ? 1.7 : 1.15;
    case Seat::SmallBlind: return positional ? 1.6 : 0.9;
    case Seat::BigBlind: break;
  }
  return 1.0;
}

class ProfileRanges {
 public:
  ProfileRanges(const Rankings& r, const Profile& p, Seat seat) : r_(r), p_(p), seat_(seat) {}

  Weights leaf(const std::string& name) const {
    if (name == "Limp") return limp();
    if (name == "Limp-call") {
      const Weights plain = minus_clamped(limp(), limp_three_bet());
      return product(plain, top_share(r_.playable, plain, 0.55 * combo_count(plain), 0.2 * combo_count(plain)));
    }
    if (name == "Limp-3b") return limp_three_bet();
    if (name == "RFI") return rfi();
    if (name == "3b") return three_bet();
    if (name == "Call 3b") return product(rfi(), minus_clamped(cont_vs_three_bet(), four_bet_share()));
    if (name == "4b") return product(rfi(), four_bet_share());
    if (name == "Call 4b") return call_four_bet();
    if (name == "Check back") return minus_clamped(all_hands(), share_top(r_.strength, p_.iso));
    if (name == "Call raise" || name == "Call") return call_raise();
    throw std::invalid_argument("Unknown population range " + name);
  }

  Weights cold_call() const {
    const Weights continuing = top_share(r_.strength, all_hands(), 18 + p_.cold_call * kAllCombos, 0.3 * p_.cold_call * kAllCombos);
    return minus_clamped(continuing, top_share(r_.strength, all_hands(), 18, 0));
  }

 private:
  Weights share_top(const Weights& score, double width) const {
    return top_share(score, all_hands(), width * kAllCombos, kEdge * width * kAllCombos);
  }

  Weights limp() const {
    const double width = p_.vpip * seat_factor(seat_, p_.positional);
    return minus_clamped(share_top(ranking_for_width(r_, width), width), rfi());
  }

  // The limped share of QQ+ and AK, re-raised after a raise behind.
  Weights limp_three_bet() const {
    Weights w = no_hands();
    for (const char* premium : kPremiums) w[class_index(premium)] = limp()[class_index(premium)];
    return w;
  }

  Weights rfi() const {
    const double width = p_.vpip * seat_factor(seat_, p_.positional) * p_.raise_share;
    Weights w = share_top(p_.aggressive ? ranking_for_width(r_, width) : r_.strength, width);
    for (const char* premium : kPremiums) w[class_index(premium)] *= 1 - p_.trap;
    return w;
  }

  Weights three_bet_value() const {
    const double width = p_.three_bet * (seat_ == Seat::Early ? 0.8 : 1.0);
    return share_top(r_.strength, width * p_.three_bet_value);
  }

  Weights three_bet() const {
    const double width = p_.three_bet * (seat_ == Seat::Early ? 0.8 : 1.0);
    const Weights value = three_bet_value();
    const Weights rest = minus_clamped(all_hands(), value);
    const double bluffs = width * (1 - p_.three_bet_value) * kAllCombos;
    if (bluffs <= 0) return value;
    return plus_capped(value, product(graded_share(r_.bluff, rest, bluffs, 0.7, -0.5), rest));
  }

  Weights cont_vs_three_bet() const {
    const Weights opened = rfi();
    const double cont = p_.cont * combo_count(opened);
    return top_share(r_.playable, opened, cont, kEdge * cont);
  }

  Weights four_bet_share() const {
    const Weights opened = rfi();
    const Weights value = top_share(r_.premium, opened, p_.four_bet_value, kEdge * p_.four_bet_value);
    if (p_.four_bet_bluffs <= 0) return value;
    const Weights rest = minus_clamped(all_hands(), value);
    return plus_capped(value, product(graded_share(r_.bluff, product(opened, rest), p_.four_bet_bluffs, 0.7, -0.5), rest));
  }

  Weights call_four_bet() const {
    const Weights value = three_bet_value();
    const double calls = p_.call_four_bet * combo_count(value);
    const Weights jam = top_share(r_.premium, value, p_.jam, p_.jam);
    const Weights go_on = top_share(r_.premium, value, p_.jam + calls, kEdge * calls);
    return product(value, minus_clamped(go_on, jam));
  }

  Weights call_raise() const {
    const double width = p_.call_raise + p_.three_bet;
    return minus_clamped(share_top(ranking_for_width(r_, width), width), three_bet());
  }

  const Rankings& r_;
  const Profile& p_;
  Seat seat_;
};

struct SeatFolder {
  std::string name;
  std::vector<std::string> leaves;
};

Node profile_folder(const Rankings& r, const std::string& name, const Profile& p, const std::vector<SeatFolder>& seats,
                    bool with_cold_call) {
  Node folder = Node::dir(name);
  for (const SeatFolder& s : seats) {
    const ProfileRanges ranges(r, p, seat_of(s.name));
    Node seat = Node::dir(s.name);
    for (const std::string& leaf : s.leaves) seat.children.push_back(Node::range(leaf, format_range(ranges.leaf(leaf))));
    folder.children.push_back(std::move(seat));
  }
  if (with_cold_call)
    folder.children.push_back(Node::range("3b cold call", format_range(ProfileRanges(r, p, Seat::Early).cold_call())));
  return folder;
}

// The six-max standard spots of one seat without rake, in the folders the
// page files them under, played with the given style.
Node regular_folder(const Rankings& r, const std::string& name, bool oop, const Style& style) {
  const PreflopModel model(r, false);
  Node folder = Node::dir(name);
  for (const char* scenario : {"RFI", "vs RFI", "vs 3bet", "vs 4bet"}) folder.subfolder(scenario);
  for (const std::string& spot : six_max_spots(oop)) {
    const std::string value = format_range(spot_range(model, spot, style));
    const auto colon = spot.find(':');
    if (spot.rfind("RFI ", 0) == 0) {
      folder.subfolder("RFI").children.push_back(Node::range(spot.substr(4), value));
    } else if (spot.rfind("vs RFI ", 0) == 0) {
      const std::string opener = spot.substr(7, colon - 7);
      folder.subfolder("vs RFI").subfolder("vs " + opener + " RFI").children.push_back(Node::range(spot.substr(colon + 2), value));
    } else {
      const std::string group = spot.find("3bet vs") != std::string::npos ? "vs 4bet" : "vs 3bet";
      folder.subfolder(group).subfolder(spot.substr(0, colon)).children.push_back(Node::range(spot.substr(colon + 2), value));
    }
  }
  return folder;
}

std::vector<Node> seat_tree(const Rankings& r, bool oop) {
  const std::vector<SeatFolder> passive =
      oop ? std::vector<SeatFolder>{{"UTG/HJ/CO", {"Limp", "Limp-call", "Limp-3b", "RFI", "Call 3b", "4b"}},
                                    {"SB", {"Limp", "Limp-3b", "RFI", "3b", "4b", "Call 3b", "Call 4b"}},
                                    {"BB", {"Check back", "Call raise", "3b", "Call 4b"}}}
          : std::vector<SeatFolder>{{"UTG/HJ/CO", {"Limp", "Limp-call", "Limp-3b", "RFI", "3b", "Call 3b", "4b", "Call 4b"}},
                                    {"BU", {"Limp", "Limp-call", "Limp-3b", "RFI", "3b", "Call 3b", "4b", "Call 4b"}},
                                    {"BB", {"Call raise", "3b", "Call 4b"}}};
  const std::vector<SeatFolder> aggressive =
      oop ? std::vector<SeatFolder>{{"UTG/HJ/CO", {"RFI", "Call 3b", "4b"}},
                                    {"SB", {"RFI", "3b", "4b", "Call 3b", "Call 4b"}},
                                    {"BB", {"Call raise", "3b", "Call 4b"}}}
          : std::vector<SeatFolder>{{"UTG/HJ/CO", {"RFI", "3b", "Call 3b", "4b", "Call 4b"}},
                                    {"BU", {"RFI", "3b", "Call 3b", "4b", "Call 4b"}},
                                    {"BB", {"Call", "3b"}}};
  const std::vector<SeatFolder> nit =
      oop ? std::vector<SeatFolder>{{"UTG/HJ/CO", {"RFI", "Call 3b", "4b"}},
                                    {"SB", {"RFI", "3b", "4b", "Call 3b", "Call 4b"}},
                                    {"BB", {"Check back", "Call raise", "3b", "Call 4b"}}}
          : std::vector<SeatFolder>{{"UTG/HJ/CO", {"RFI", "3b", "Call 3b", "4b", "Call 4b"}},
                                    {"BU", {"RFI", "3b", "Call 3b", "4b", "Call 4b"}},
                                    {"BB", {"Call raise", "3b", "Call 4b"}}};
  const std::string vpip = " (VPIP ";
  std::vector<Node> tree;
  tree.push_back(Node::dir(
      "Passive" + vpip + "18" + kEnDash + "65)",
      {profile_folder(r, "Passive tight" + vpip + "18" + kEnDash + "25)", kPassiveTight, passive, true),
       profile_folder(r, "Passive neutral" + vpip + "25" + kEnDash + "35)", kPassiveNeutral, passive, true),
       profile_folder(r, "Passive loose" + vpip + "35" + kEnDash + "45)", kPassiveLoose, passive, true),
       profile_folder(r, "Extreme loose" + vpip + "45" + kEnDash + "65)", kExtremeLoose, passive, true)}));
  tree.push_back(Node::dir("Loose aggressive" + vpip + "28" + kEnDash + "70)",
                           {profile_folder(r, "Standard LAG" + vpip + "28" + kEnDash + "40)", kStandardLag, aggressive, false),
                            profile_folder(r, "Maniac" + vpip + "45" + kEnDash + "70)", kManiac, aggressive, false)}));
  // Weaker regulars: the standard spots played a little too tight or too loose.
  const Style tighter{0.85, 0.80, 0.85, 0.90, 0.70};
  const Style looser{1.15, 1.20, 1.15, 1.08, 1.20};
  tree.push_back(Node::dir("Weaker regs", {regular_folder(r, "Tighter reg", oop, tighter),
                                           regular_folder(r, "Looser reg", oop, looser)}));
  tree.push_back(Node::dir("Overfolder (10-22 VPIP)", {profile_folder(r, "Nit", kNit, nit, false)}));
  tree.push_back(Node::dir("Other", {Node::range("Bomb pot", "100%")}));
  return tree;
}

}  // namespace

PopulationTable build_population_table(const Rankings& rankings) {
  return PopulationTable{seat_tree(rankings, true), seat_tree(rankings, false)};
}

}  // namespace rangegen

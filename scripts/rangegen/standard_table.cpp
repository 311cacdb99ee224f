#include "scripts/rangegen/standard_table.h"

#include <regex>
#include <stdexcept>

namespace rangegen {

const std::vector<RakeLevel>& rake_levels() {
  // Rake makes flat calls (which see flops and pay it) much tighter, opens a
  // little tighter and 3-bets barely: the highest rake is at 50nl.
  static const std::vector<RakeLevel> levels = {
      {"No rake", {1.00, 1.00, 1.00, 1.00, 1.00}},
      {"50nl rake", {0.92, 0.76, 0.96, 0.93, 0.90}},
      {"100nl rake", {0.94, 0.82, 0.97, 0.95, 0.93}},
      {"200nl rake", {0.96, 0.88, 0.98, 0.97, 0.96}},
      {"500nl rake", {0.98, 0.94, 0.99, 0.99, 0.98}},
  };
  return levels;
}

const std::vector<std::string>& six_max_spots(bool oop) {
  static const std::vector<std::string> oop_spots = {
      "RFI UTG", "RFI HJ", "RFI CO", "RFI BTN", "RFI SB",
      "vs RFI UTG: Call SB", "vs RFI UTG: 3bet SB", "vs RFI UTG: Call BB", "vs RFI UTG: 3bet BB",
      "vs RFI HJ: Call SB", "vs RFI HJ: 3bet SB", "vs RFI HJ: Call BB", "vs RFI HJ: 3bet BB",
      "vs RFI CO: Call SB", "vs RFI CO: 3bet SB", "vs RFI CO: Call BB", "vs RFI CO: 3bet BB",
      "vs RFI BTN: Call SB", "vs RFI BTN: 3bet SB", "vs RFI BTN: Call BB", "vs RFI BTN: 3bet BB",
      "UTG vs HJ 3bet: UTG Call", "UTG vs HJ 3bet: UTG 4bet", "UTG vs CO 3bet: UTG Call",
      "UTG vs CO 3bet: UTG 4bet", "UTG vs BTN 3bet: UTG Call", "UTG vs BTN 3bet: UTG 4bet",
      "HJ vs CO 3bet: HJ Call", "HJ vs CO 3bet: HJ 4bet", "HJ vs BTN 3bet: HJ Call", "HJ vs BTN 3bet: HJ 4bet",
      "CO vs BTN 3bet: CO Call", "CO vs BTN 3bet: CO 4bet", "SB vs BB 3bet: SB Call", "SB vs BB 3bet: SB 4bet",
      "SB 3bet vs UTG 4bet: SB Call", "BB 3bet vs UTG 4bet: BB Call", "SB 3bet vs HJ 4bet: SB Call",
      "BB 3bet vs HJ 4bet: BB Call", "SB 3bet vs CO 4bet: SB Call", "BB 3bet vs CO 4bet: BB Call",
      "SB 3bet vs BTN 4bet: SB Call", "BB 3bet vs BTN 4bet: BB Call",
  };
  static const std::vector<std::string> ip_spots = {
      "RFI UTG", "RFI HJ", "RFI CO", "RFI BTN", "RFI SB",
      "vs RFI UTG: Call HJ", "vs RFI UTG: 3bet HJ", "vs RFI UTG: Call CO", "vs RFI UTG: 3bet CO",
      "vs RFI UTG: Call BTN", "vs RFI UTG: 3bet BTN", "vs RFI HJ: Call CO", "vs RFI HJ: 3bet CO",
      "vs RFI HJ: Call BTN", "vs RFI HJ: 3bet BTN", "vs RFI CO: Call BTN", "vs RFI CO: 3bet BTN",
      "vs RFI SB: Call BB", "vs RFI SB: 3bet BB",
      "UTG vs SB 3bet: UTG Call", "UTG vs SB 3bet: UTG 4bet", "UTG vs BB 3bet: UTG Call",
      "UTG vs BB 3bet: UTG 4bet", "HJ vs SB 3bet: HJ Call", "HJ vs SB 3bet: HJ 4bet", "HJ vs BB 3bet: HJ Call",
      "HJ vs BB 3bet: HJ 4bet", "CO vs SB 3bet: CO Call", "CO vs SB 3bet: CO 4bet", "CO vs BB 3bet: CO Call",
      "CO vs BB 3bet: CO 4bet", "BTN vs SB 3bet: BTN Call", "BTN vs SB 3bet: BTN 4bet",
      "BTN vs BB 3bet: BTN Call", "BTN vs BB 3bet: BTN 4bet",
      "HJ 3bet vs UTG 4bet: HJ Call", "CO 3bet vs UTG 4bet: CO Call", "BTN 3bet vs UTG 4bet: BTN Call",
      "CO 3bet vs HJ 4bet: CO Call", "BTN 3bet vs HJ 4bet: BTN Call", "BTN 3bet vs CO 4bet: BTN Call",
      "BB 3bet vs SB 4bet: BB Call",
  };
  return oop ? oop_spots : ip_spots;
}

const std::vector<std::string>& heads_up_spots(bool oop) {
  static const std::vector<std::string> oop_spots = {"vs RFI SB: Call BB", "vs RFI SB: 3bet BB",
                                                     "BB 3bet vs SB 4bet: BB Call"};
  static const std::vector<std::string> ip_spots = {"RFI SB", "SB vs BB 3bet: SB Call", "SB vs BB 3bet: SB 4bet"};
  return oop ? oop_spots : ip_spots;
}

Weights spot_range(const PreflopModel& model, const std::string& spot, const Style& style) {
  static const std::regex open_re("^RFI (\\w+)$");
  static const std::regex defend_re("^vs RFI (\\w+): (Call|3bet) (\\w+)$");
  static const std::regex vs_three_re("^(\\w+) vs (\\w+) 3bet: (\\w+) (Call|4bet)$");
  static const std::regex vs_four_re("^(\\w+) 3bet vs (\\w+) 4bet: (\\w+) Call$");
  std::smatch m;
  if (std::regex_match(spot, m, open_re)) return model.open(parse_pos(m[1]), style);
  if (std::regex_match(spot, m, defend_re)) {
    const Defence d = model.defend(parse_pos(m[1]), parse_pos(m[3]), style);
    return m[2] == "Call" ? d.call : d.three_bet;
  }
  if (std::regex_match(spot, m, vs_three_re)) {
    const FacingThreeBet f = model.facing_three_bet(parse_pos(m[1]), parse_pos(m[2]), style);
    return m[4] == "Call" ? f.call : f.four_bet;
  }
  if (std::regex_match(spot, m, vs_four_re)) return model.calling_four_bet(parse_pos(m[1]), parse_pos(m[2]), style);
  throw std::invalid_argument("Unknown spot " + spot);
}

StandardTable build_standard_table(const Rankings& rankings) {
  const PreflopModel six_max(rankings, false);
  const PreflopModel heads_up(rankings, true);
  StandardTable table;
  for (const bool oop : {true, false}) {
    auto& out = oop ? table.oop : table.ip;
    for (const auto& rake : rake_levels())
      for (const auto& spot : six_max_spots(oop))
        out.push_back({std::string(rake.name) + " / " + spot, format_range(spot_range(six_max, spot, rake.style))});
    for (const auto& rake : rake_levels())
      for (const auto& spot : heads_up_spots(oop))
        out.push_back({"Heads up / " + std::string(rake.name) + " / " + spot,
                       format_range(spot_range(heads_up, spot, rake.style))});
  }
  return table;
}

}  // namespace rangegen

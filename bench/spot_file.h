// A bench spot file read into the solve request the program builds from the
// same keys, so that every bench hands its texts to the program's own
// normalisers: a size "33" is 33 % of the pot, "40c" 40 chips, as on the
// Setup page.
#pragma once
#include <cstdint>
#include <exception>
#include <nlohmann/json.hpp>
#include <string>

#include "bench_json.h"
#include "session/normalizers.h"
#include "session/solve_inputs.h"
#include "session/solve_types.h"

namespace bench_spot {

inline velmora_app::StreetSizing read_sizing(const nlohmann::json& j, const std::string& prefix) {
  using bench_json::value_or;
  velmora_app::StreetSizing s;
  s.bet_sizes = value_or<std::string>(j, prefix + "_bet_sizes", "");
  s.raise_sizes = value_or<std::string>(j, prefix + "_raise_sizes", "");
  s.add_all_in = value_or<bool>(j, prefix + "_add_all_in", false);
  s.dont_donk = value_or<bool>(j, prefix + "_dont_donk", false);
  return s;
}

// The snake_case keys of the solve configuration map; a missing key takes
// the program's default.
inline velmora_app::SolveConfig read_config(const nlohmann::json& j) {
  using bench_json::value_or;
  velmora_app::SolveConfig c;
  c.board = value_or<std::string>(j, "board", "");
  c.starting_pot = value_or<std::int32_t>(j, "starting_pot", 100);
  c.effective_stack = value_or<std::int32_t>(j, "effective_stack", 100);
  c.rake_percent = value_or<double>(j, "rake_percent", 0.0);
  c.rake_cap = value_or<double>(j, "rake_cap", 0.0);
  c.starting_street = value_or<std::string>(j, "starting_street", "flop");
  c.max_iterations = value_or<std::uint32_t>(j, "max_iterations", 2000u);
  c.target_exploitability = value_or<float>(j, "target_exploitability", 0.1f);
  c.thread_count = value_or<std::uint32_t>(j, "thread_count", 1u);
  c.compress = value_or<bool>(j, "compress", false);
  c.oop_range = value_or<std::string>(j, "oop_range", "");
  c.ip_range = value_or<std::string>(j, "ip_range", "");
  c.oop_flop = read_sizing(j, "oop_flop");
  c.oop_turn = read_sizing(j, "oop_turn");
  c.oop_river = read_sizing(j, "oop_river");
  c.ip_flop = read_sizing(j, "ip_flop");
  c.ip_turn = read_sizing(j, "ip_turn");
  c.ip_river = read_sizing(j, "ip_river");
  if (value_or<bool>(j, "oop_add_all_in_jam_threshold_enabled", false)) {
    c.oop_jam_threshold_pct = value_or<double>(j, "oop_add_all_in_jam_threshold_pct", 0.0);
  }
  if (value_or<bool>(j, "ip_add_all_in_jam_threshold_enabled", false)) {
    c.ip_jam_threshold_pct = value_or<double>(j, "ip_add_all_in_jam_threshold_pct", 0.0);
  }
  return c;
}

// Why the program would refuse the request's sizes or ranges before a
// start, in its own (English) words, or "" when it would not: a size names
// seat, street and field with the piece as typed, a range its seat.
inline std::string request_refusal(const velmora_app::SolveConfig& c) {
  const auto seat_name = [](int seat) { return std::string(seat == 0 ? "OOP" : "IP"); };
  if (const auto fault = velmora_app::first_size_fault(c)) {
    return seat_name(fault->seat) + " " + (fault->street.empty() ? std::string("flop") : fault->street) +
           (fault->raise ? " raise" : " bet") + " sizes: '" + fault->token + "' is not a valid size";
  }
  for (int seat = 0; seat < 2; ++seat) {
    const std::string& range = seat == 0 ? c.oop_range : c.ip_range;
    try {
      velmora_app::parse_range_or_percent(range);
    } catch (const std::exception& e) {
      return seat_name(seat) + " range: '" + range + "' is not a range (" + e.what() + ")";
    }
  }
  if (const int seat = velmora_app::seat_emptied_by_board(c); seat >= 0) {
    return seat_name(seat) + " range: no hand of '" + (seat == 0 ? c.oop_range : c.ip_range) +
           "' is left once the board's cards are removed";
  }
  return {};
}

}  // namespace bench_spot

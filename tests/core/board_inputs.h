// Boards and range pairs built from text, for the card-context tests.
#pragma once
#include <array>
#include <string>

#include "core/card_context.h"

namespace velmora::testing {

inline Board make_board(const std::string& flop, const std::string& turn = "", const std::string& river = "") {
  const auto f = parse_flop(flop);
  return {f[0], f[1], f[2], turn.empty() ? kNoCard : parse_card(turn), river.empty() ? kNoCard : parse_card(river)};
}

inline std::array<Range, 2> make_ranges(const std::string& oop, const std::string& ip) {
  return {parse_range(oop), parse_range(ip)};
}

}  // namespace velmora::testing

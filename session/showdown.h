// Who wins a showdown of two pockets on a full board: the figures behind the
// hand player's closing line.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora_app {

struct ShowdownOutcome {
  std::string winner = "UNKNOWN";  // "OOP", "IP", "TIE", or "UNKNOWN" when a text is not cards
  std::int64_t oop_strength = 0;   // evaluator strength, larger is stronger; 0 when not evaluated
  std::int64_t ip_strength = 0;
};

// The first five cards of `board` and the first two of each pocket, written
// together or apart ("Ah Kd 7c 4s 2h", "AcAd"); white space is skipped.
// A text too short, or one that is not cards, leaves the outcome unknown
// with both strengths 0.
ShowdownOutcome showdown_winner(std::string_view board, std::string_view oop, std::string_view ip);

}  // namespace velmora_app

#include "session/showdown.h"

#include <array>

#include "core/cards.h"
#include "core/evaluator.h"

namespace velmora_app {
namespace {

std::string without_spaces(std::string_view text) {
  std::string out;
  for (const char ch : text) {
    if (ch != ' ' && ch != '\t' && ch != '\n' && ch != '\r' && ch != '\v' && ch != '\f') out.push_back(ch);
  }
  return out;
}

velmora::Pocket pocket_of(std::string_view text) {
  return velmora::make_pocket(velmora::parse_card(text.substr(0, 2)), velmora::parse_card(text.substr(2, 2)));
}

}  // namespace

ShowdownOutcome showdown_winner(std::string_view board_text, std::string_view oop_text, std::string_view ip_text) {
  ShowdownOutcome outcome;
  const std::string board = without_spaces(board_text);
  const std::string oop = without_spaces(oop_text);
  const std::string ip = without_spaces(ip_text);
  if (board.size() < 10 || oop.size() < 4 || ip.size() < 4) return outcome;

  try {
    std::array<velmora::Card, 5> cards{};
    for (std::size_t i = 0; i < cards.size(); ++i) cards[i] = velmora::parse_card(std::string_view(board).substr(2 * i, 2));
    const velmora::Pocket oop_pocket = pocket_of(oop);
    const velmora::Pocket ip_pocket = pocket_of(ip);
    const velmora::HandStrength oop_strength = velmora::evaluate_hand(oop_pocket, cards);
    outcome.oop_strength = oop_strength;
    const velmora::HandStrength ip_strength = velmora::evaluate_hand(ip_pocket, cards);
    outcome.ip_strength = ip_strength;
    outcome.winner = oop_strength > ip_strength ? "OOP" : oop_strength < ip_strength ? "IP" : "TIE";
  } catch (...) {
    // A text that is not a card: every card is read before any hand is
    // evaluated, so the outcome is still the unknown one.
  }
  return outcome;
}

}  // namespace velmora_app

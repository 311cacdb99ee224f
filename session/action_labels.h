// The vocabulary of a solved tree: action keys and labels, hand classes of
// the 13 x 13 grid, street names. Pure functions.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/action_plan.h"
#include "core/cards.h"

namespace velmora_app {

inline constexpr int kHandClassCount = 169;

// "fold", "check", "call", "bet", "raise", "allin", "chance", else "none".
std::string action_type_key(std::uint8_t kind);

// "Fold", "Check", "Call", "All-In", the dealt card ("Qh"), "Bet 33%" /
// "Raise 250%" (percent of `pot`, no decimals), "Bet" / "Raise" when the pot
// is below 1, "Action" for an unknown kind.
std::string action_display_label(const velmora::Action& action, std::int32_t pot);

// "bet 33%" / "raise 250%" for a sized bet or raise, else `action_type_key`.
std::string action_key_label(const velmora::Action& action, std::int32_t pot);

// The 169 class texts row by row over "AKQJT98765432": pairs on the
// diagonal, suited above it, offsuit below it.
std::vector<std::string> hand_class_names();

// "AKs", "T9o", "77"; the card order inside the pocket does not matter.
std::string hand_class_label(velmora::Pocket pocket);

// The class of two card texts ("kd", "Ah" is "AKo"): each text's first
// character is its rank in either case, its second its suit, compared in
// either case. "" when a text is shorter than two characters or does not
// start with a rank.
std::string hand_class_label(std::string_view card1, std::string_view card2);

// Grid position of a class text, -1 when it names no class.
int hand_class_index(std::string_view label);

// The code (0..51) of a two-character card text such as "Ah" (rank and suit
// in either case), -1 for any other text.
int card_code(std::string_view text);

// "flop" 0, "turn" 1, "river" 2; exact comparison, anything else 0.
int street_from_name(std::string_view name);

}  // namespace velmora_app

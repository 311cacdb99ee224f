#include "session/action_labels.h"

#include <charconv>
#include <stdexcept>

namespace velmora_app {
namespace {

constexpr std::string_view kGridRanks = "AKQJT98765432";

// amount / pot * 100, rounded to a whole number as fixed-point printing does,
// whatever the process locale.
std::string whole_percent(std::uint32_t amount, std::int32_t pot) {
  const double pct = static_cast<double>(amount) / static_cast<double>(pot) * 100.0;
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, pct, std::chars_format::fixed, 0);
  return std::string(buf, res.ptr) + "%";
}

char ascii_upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sized(const velmora::Action& a, std::int32_t pot) {
  return (a.kind == velmora::kActBet || a.kind == velmora::kActRaise) && pot >= 1;
}

}  // namespace

std::string action_type_key(std::uint8_t kind) {
  switch (kind) {
    case velmora::kActFold: return "fold";
    case velmora::kActCheck: return "check";
    case velmora::kActCall: return "call";
    case velmora::kActBet: return "bet";
    case velmora::kActRaise: return "raise";
    case velmora::kActAllIn: return "allin";
    case velmora::kActDeal: return "chance";
    default: return "none";
  }
}

std::string action_display_label(const velmora::Action& action, std::int32_t pot) {
  switch (action.kind) {
    case velmora::kActFold: return "Fold";
    case velmora::kActCheck: return "Check";
    case velmora::kActCall: return "Call";
    case velmora::kActAllIn: return "All-In";
    case velmora::kActDeal: return velmora::card_to_string(action.amount & 0xFFu);
    case velmora::kActBet:
      return pot >= 1 ? "Bet " + whole_percent(action.amount, pot) : std::string("Bet");
    case velmora::kActRaise:
      return pot >= 1 ? "Raise " + whole_percent(action.amount, pot) : std::string("Raise");
    default: return "Action";
  }
}

std::string action_key_label(const velmora::Action& action, std::int32_t pot) {
  if (!sized(action, pot)) return action_type_key(action.kind);
  return (action.kind == velmora::kActBet ? "bet " : "raise ") + whole_percent(action.amount, pot);
}

std::vector<std::string> hand_class_names() {
  std::vector<std::string> names;
  names.reserve(kHandClassCount);
  for (int i = 0; i < 13; ++i) {
    for (int j = 0; j < 13; ++j) {
      std::string s;
      if (i == j) {
        s = {kGridRanks[i], kGridRanks[i]};
      } else if (i < j) {
        s = {kGridRanks[i], kGridRanks[j], 's'};
      } else {
        s = {kGridRanks[j], kGridRanks[i], 'o'};
      }
      names.push_back(std::move(s));
    }
  }
  return names;
}

std::string hand_class_label(velmora::Pocket pocket) {
  const unsigned a = pocket & 0xFFu;
  const unsigned b = pocket >> 8;
  const unsigned ra = a / 4;
  const unsigned rb = b / 4;
  const char ca = velmora::rank_to_char(static_cast<std::uint8_t>(ra));
  const char cb = velmora::rank_to_char(static_cast<std::uint8_t>(rb));
  if (ra == rb) return {ca, cb};
  const char suited = (a % 4 == b % 4) ? 's' : 'o';
  return ra > rb ? std::string{ca, cb, suited} : std::string{cb, ca, suited};
}

std::string hand_class_label(std::string_view card1, std::string_view card2) {
  if (card1.size() < 2 || card2.size() < 2) return {};
  const char r1 = ascii_upper(card1[0]);
  const char r2 = ascii_upper(card2[0]);
  const auto i1 = kGridRanks.find(r1);
  const auto i2 = kGridRanks.find(r2);
  if (i1 == std::string_view::npos || i2 == std::string_view::npos) return {};
  if (r1 == r2) return {r1, r2};
  const char suited = ascii_lower(card1[1]) == ascii_lower(card2[1]) ? 's' : 'o';
  return i1 < i2 ? std::string{r1, r2, suited} : std::string{r2, r1, suited};
}

int card_code(std::string_view text) {
  try {
    return velmora::parse_card(text);
  } catch (const std::invalid_argument&) {
    return -1;
  }
}

int hand_class_index(std::string_view label) {
  if (label.size() < 2 || label.size() > 3) return -1;
  const auto p1 = kGridRanks.find(label[0]);
  const auto p2 = kGridRanks.find(label[1]);
  if (p1 == std::string_view::npos || p2 == std::string_view::npos) return -1;
  const int i = static_cast<int>(p1);
  const int j = static_cast<int>(p2);
  if (label.size() == 2) return i == j ? i * 13 + i : -1;
  if (i >= j) return -1;  // the higher rank comes first, pairs carry no suffix
  if (label[2] == 's') return i * 13 + j;
  if (label[2] == 'o') return j * 13 + i;
  return -1;
}

int street_from_name(std::string_view name) {
  if (name == "flop") return 0;
  if (name == "turn") return 1;
  if (name == "river") return 2;
  return 0;
}

}  // namespace velmora_app

#include "core/cards.h"

#include <algorithm>
#include <stdexcept>

namespace velmora {
namespace {

constexpr std::string_view kRankChars = "23456789TJQKA";
constexpr std::string_view kSuitChars = "cdhs";

// ASCII lowering that does not consult the process locale.
constexpr char lower_ascii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr bool is_space_ascii(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr std::array<Pocket, kNumPockets> build_pocket_table() {
  std::array<Pocket, kNumPockets> table{};
  for (int lo = 0; lo < kNumCards; ++lo) {
    for (int hi = lo + 1; hi < kNumCards; ++hi) {
      table[static_cast<std::size_t>(pocket_index(static_cast<Card>(lo), static_cast<Card>(hi)))] =
          make_pocket(static_cast<Card>(lo), static_cast<Card>(hi));
    }
  }
  return table;
}

constexpr std::array<Pocket, kNumPockets> kPocketTable = build_pocket_table();

}  // namespace

int parse_rank(char c) {
  switch (lower_ascii(c)) {
    case 'a': return 12;
    case 'k': return 11;
    case 'q': return 10;
    case 'j': return 9;
    case 't': return 8;
    default: break;
  }
  if (c >= '2' && c <= '9') return c - '2';
  throw std::invalid_argument("Invalid rank character");
}

int parse_suit(char c) {
  switch (lower_ascii(c)) {
    case 'c': return 0;
    case 'd': return 1;
    case 'h': return 2;
    case 's': return 3;
    default: break;
  }
  throw std::invalid_argument("Invalid suit character");
}

char rank_to_char(std::uint8_t rank) {
  if (rank >= kRankChars.size()) throw std::out_of_range("Rank is out of range");
  return kRankChars[rank];
}

void check_card_code(unsigned code) {
  if (code >= static_cast<unsigned>(kNumCards)) throw std::out_of_range("Card code must be in [0, 52)");
}

Card parse_card(std::string_view text) {
  if (text.size() != 2) throw std::invalid_argument("Card token must consist of two characters");
  const int rank = parse_rank(text[0]);
  const int suit = parse_suit(text[1]);
  return static_cast<Card>(rank * 4 + suit);
}

std::array<Card, 3> parse_flop(std::string_view text) {
  std::string compact;
  compact.reserve(text.size());
  for (const char c : text) {
    if (!is_space_ascii(c)) compact.push_back(c);
  }
  if (compact.size() != 6) throw std::invalid_argument("Flop string must contain exactly three cards");
  const std::string_view view(compact);
  std::array<Card, 3> flop{parse_card(view.substr(0, 2)), parse_card(view.substr(2, 2)),
                           parse_card(view.substr(4, 2))};
  std::sort(flop.begin(), flop.end());
  if (flop[0] == flop[1] || flop[1] == flop[2]) throw std::invalid_argument("Flop cards must be unique");
  return flop;
}

std::string card_to_string(unsigned code) {
  check_card_code(code);
  return std::string{kRankChars[code / 4], kSuitChars[code % 4]};
}

const std::array<Pocket, kNumPockets>& pocket_table() { return kPocketTable; }

}  // namespace velmora

#include "core/range.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include <locale.h>
#include <stdlib.h>

namespace velmora {
namespace {

constexpr bool is_space_ascii(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool is_letter_ascii(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// strtof against a fixed "C" locale, whatever the process locale says.
float strtof_c(const char* begin, char** end) {
#if defined(_WIN32)
  static const _locale_t c_locale = _create_locale(LC_NUMERIC, "C");
  return _strtof_l(begin, end, c_locale);
#else
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return strtof_l(begin, end, c_locale);
#endif
}

void check_pocket_cards(unsigned card1, unsigned card2) {
  check_card_code(card1);
  check_card_code(card2);
  if (card1 == card2) throw std::invalid_argument("Cards must differ");
}

bool weight_in_unit_interval(float w) { return w >= 0.0f && w <= 1.0f; }  // false for NaN

int combo_gap(const ComboPattern& p) { return static_cast<int>(p.rank_hi) - static_cast<int>(p.rank_lo); }

ComboPattern with_ranks(const ComboPattern& base, int hi, int lo) {
  ComboPattern p = base;
  p.rank_hi = static_cast<std::uint8_t>(hi);
  p.rank_lo = static_cast<std::uint8_t>(lo);
  return p;
}

void assign(Range& range, const ComboPattern& pattern, float weight) {
  for (const int index : pattern_pockets(pattern)) range[static_cast<std::size_t>(index)] = weight;
}

// "XY+": a widening of the low rank for gapped hands, a climb of both ranks for
// pairs and connectors.
void apply_plus(Range& range, std::string_view expr, float weight) {
  if (expr.size() < 2 || expr.back() != '+') throw std::invalid_argument("Expected trailing '+'");
  const ComboPattern base = parse_combo_pattern(expr.substr(0, expr.size() - 1));
  const int gap = combo_gap(base);
  if (gap > 1) {
    for (int lo = base.rank_lo; lo < base.rank_hi; ++lo) assign(range, with_ranks(base, base.rank_hi, lo), weight);
  } else {
    for (int hi = base.rank_hi; hi <= 12; ++hi) assign(range, with_ranks(base, hi, hi - gap), weight);
  }
}

// "A-B": a line of equal gaps, a column under one high rank, or a rectangle.
void apply_span(Range& range, std::string_view expr, float weight) {
  const std::size_t dash = expr.find('-');
  if (dash == std::string_view::npos) throw std::invalid_argument("Expected '-' in range");
  const ComboPattern a = parse_combo_pattern(expr.substr(0, dash));
  const ComboPattern b = parse_combo_pattern(expr.substr(dash + 1));
  if (a.kind != b.kind) throw std::invalid_argument("Suitedness mismatch in range");

  const int hi_min = std::min(a.rank_hi, b.rank_hi);
  const int hi_max = std::max(a.rank_hi, b.rank_hi);
  const int lo_min = std::min(a.rank_lo, b.rank_lo);
  const int lo_max = std::max(a.rank_lo, b.rank_lo);

  if (combo_gap(a) == combo_gap(b)) {
    const int gap = combo_gap(a);
    for (int hi = hi_min; hi <= hi_max; ++hi) assign(range, with_ranks(a, hi, hi - gap), weight);
    return;
  }
  if (a.rank_hi == b.rank_hi) {
    for (int lo = lo_min; lo <= lo_max; ++lo) assign(range, with_ranks(a, a.rank_hi, lo), weight);
    return;
  }
  const bool any_pair = a.rank_hi == a.rank_lo || b.rank_hi == b.rank_lo;
  if (any_pair || (a.kind != 1 && a.kind != 2)) throw std::invalid_argument("Unsupported range expression");
  for (int hi = hi_min; hi <= hi_max; ++hi) {
    for (int lo = lo_min; lo <= lo_max; ++lo) {
      if (hi > lo) assign(range, with_ranks(a, hi, lo), weight);
    }
  }
}

float parse_weight(std::string_view text) {
  if (text.empty()) throw std::invalid_argument("Weight string is empty");
  std::size_t used = 0;
  const float weight = locale_free_stof(text, &used);
  if (used != text.size()) throw std::invalid_argument("Weight string contains invalid characters");
  if (!weight_in_unit_interval(weight)) throw std::invalid_argument("Weight must be within [0, 1]");
  return weight;
}

void apply_entry(Range& range, std::string_view entry) {
  float weight = 1.0f;
  std::string_view expr = entry;
  const std::size_t colon = entry.find(':');
  if (colon != std::string_view::npos) {
    weight = parse_weight(entry.substr(colon + 1));
    expr = entry.substr(0, colon);
  }
  if (expr.empty()) throw std::invalid_argument("Missing range expression");
  if (expr.find('-') != std::string_view::npos) {
    apply_span(range, expr, weight);
  } else if (expr.back() == '+') {
    apply_plus(range, expr, weight);
  } else {
    assign(range, parse_combo_pattern(expr), weight);
  }
}

}  // namespace

float locale_free_stof(std::string_view text, std::size_t* used) {
  const std::string buffer(text);  // strtof needs a terminated string
  const char* begin = buffer.c_str();
  char* end = nullptr;
  const int saved_errno = errno;
  errno = 0;
  const float value = strtof_c(begin, &end);
  const int err = errno;
  errno = saved_errno;
  if (end == begin) throw std::invalid_argument("invalid stof argument");
  if (err == ERANGE) throw std::out_of_range("stof argument out of range");
  if (used != nullptr) *used = static_cast<std::size_t>(end - begin);
  return value;
}

Range parse_range(std::string_view text) {
  std::string compact;
  compact.reserve(text.size());
  for (const char c : text) {
    if (!is_space_ascii(c)) compact.push_back(c);
  }
  Range range{};
  const std::string_view all(compact);
  std::size_t start = 0;
  while (start <= all.size()) {
    std::size_t comma = all.find(',', start);
    if (comma == std::string_view::npos) comma = all.size();
    const std::string_view entry = all.substr(start, comma - start);
    if (!entry.empty()) apply_entry(range, entry);
    start = comma + 1;
  }
  return range;
}

void clear_range(Range& range) { range.fill(0.0f); }

float range_weight(const Range& range, unsigned card1, unsigned card2) {
  check_pocket_cards(card1, card2);
  return range[static_cast<std::size_t>(pocket_index(static_cast<Card>(card1), static_cast<Card>(card2)))];
}

void set_range_weight(Range& range, unsigned card1, unsigned card2, float weight) {
  check_pocket_cards(card1, card2);
  if (!weight_in_unit_interval(weight)) throw std::invalid_argument("Weight must be within [0, 1]");
  range[static_cast<std::size_t>(pocket_index(static_cast<Card>(card1), static_cast<Card>(card2)))] = weight;
}

bool range_suit_symmetric(const Range& range, int suit_a, int suit_b) {
  if (suit_a < 0 || suit_a > 3 || suit_b < 0 || suit_b > 3) throw std::out_of_range("Suit must be in [0, 4)");
  const auto swap_suit = [suit_a, suit_b](int card) {
    const int suit = card_suit(static_cast<Card>(card));
    const int mapped = suit == suit_a ? suit_b : (suit == suit_b ? suit_a : suit);
    return static_cast<Card>((card & ~3) | mapped);
  };
  for (int c1 = 0; c1 < kNumCards; ++c1) {
    const Card m1 = swap_suit(c1);
    for (int c2 = c1 + 1; c2 < kNumCards; ++c2) {
      const float here = range[static_cast<std::size_t>(pocket_index(static_cast<Card>(c1), static_cast<Card>(c2)))];
      const float there = range[static_cast<std::size_t>(pocket_index(m1, swap_suit(c2)))];
      if (!(here == there)) return false;  // NaN on either side is never symmetric
    }
  }
  return true;
}

ComboPattern parse_combo_pattern(std::string_view text) {
  if (text.empty()) throw std::invalid_argument("Empty combo");
  ComboPattern p;
  if (text.size() == 4 && is_letter_ascii(text[1]) && is_letter_ascii(text[3])) {
    const int r1 = parse_rank(text[0]);
    const int s1 = parse_suit(text[1]);
    const int r2 = parse_rank(text[2]);
    const int s2 = parse_suit(text[3]);
    if (r1 < r2) throw std::invalid_argument("First rank must be >= second rank");
    if (r1 == r2 && s1 == s2) throw std::invalid_argument("Duplicate cards are not allowed");
    p.rank_hi = static_cast<std::uint8_t>(r1);
    p.rank_lo = static_cast<std::uint8_t>(r2);
    p.kind = 3;
    p.suit1 = static_cast<std::uint8_t>(s1);
    p.suit2 = static_cast<std::uint8_t>(s2);
    return p;
  }
  if (text.size() != 2 && text.size() != 3) throw std::invalid_argument("Invalid combo pattern length");
  const int r1 = parse_rank(text[0]);
  const int r2 = parse_rank(text[1]);
  int kind = 0;
  if (text.size() == 3) {
    const char suffix = text[2];
    if (suffix == 's' || suffix == 'S') {
      kind = 1;
    } else if (suffix == 'o' || suffix == 'O') {
      kind = 2;
    } else {
      throw std::invalid_argument("Invalid suitedness suffix");
    }
  }
  if (r1 < r2) throw std::invalid_argument("First rank must be >= second rank");
  if (r1 == r2 && kind != 0) throw std::invalid_argument("Pair cannot have suitedness suffix");
  p.rank_hi = static_cast<std::uint8_t>(r1);
  p.rank_lo = static_cast<std::uint8_t>(r2);
  p.kind = kind;
  return p;
}

std::vector<int> pattern_pockets(const ComboPattern& pattern) {
  // Patterns can be built by hand; refuse anything that would index outside the table.
  if (pattern.rank_hi > 12 || pattern.rank_lo > pattern.rank_hi || pattern.kind < 0 || pattern.kind > 3 ||
      (pattern.kind == 3 && (pattern.suit1 > 3 || pattern.suit2 > 3))) {
    throw std::invalid_argument("Invalid combo pattern");
  }
  const int hi = pattern.rank_hi;
  const int lo = pattern.rank_lo;
  const auto index = [](int rank_a, int suit_a, int rank_b, int suit_b) {
    return pocket_index(static_cast<Card>(rank_a * 4 + suit_a), static_cast<Card>(rank_b * 4 + suit_b));
  };
  std::vector<int> out;
  if (pattern.kind == 3) {
    if (hi == lo && pattern.suit1 == pattern.suit2) throw std::invalid_argument("Duplicate cards are not allowed");
    out.push_back(index(hi, pattern.suit1, lo, pattern.suit2));
    return out;
  }
  if (hi == lo) {
    if (pattern.kind != 0) throw std::invalid_argument("Pair cannot be suited/offsuit");
    out.reserve(6);
    for (int s1 = 0; s1 < 4; ++s1) {
      for (int s2 = s1 + 1; s2 < 4; ++s2) out.push_back(index(hi, s1, hi, s2));
    }
    return out;
  }
  out.reserve(16);
  for (int s1 = 0; s1 < 4; ++s1) {
    for (int s2 = 0; s2 < 4; ++s2) {
      const bool suited = s1 == s2;
      if ((pattern.kind == 1 && !suited) || (pattern.kind == 2 && suited)) continue;
      out.push_back(index(hi, s1, lo, s2));
    }
  }
  return out;
}

}  // namespace velmora

#include "core/bet_size.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include <locale.h>
#include <stdlib.h>

namespace velmora {
namespace {

constexpr bool is_space_ascii(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool is_digit_ascii(char c) { return c >= '0' && c <= '9'; }

constexpr char lower_ascii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view trim(std::string_view text) {
  while (!text.empty() && is_space_ascii(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_space_ascii(text.back())) text.remove_suffix(1);
  return text;
}

// strtod against a fixed "C" locale, whatever the process locale says.
double strtod_c(const char* begin, char** end) {
#if defined(_WIN32)
  static const _locale_t c_locale = _create_locale(LC_NUMERIC, "C");
  return _strtod_l(begin, end, c_locale);
#else
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return strtod_l(begin, end, c_locale);
#endif
}

std::string hex_bytes(std::string_view text) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  out.reserve(text.size() * 2);
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    out.push_back(kDigits[byte >> 4]);
    out.push_back(kDigits[byte & 0xF]);
  }
  return out;
}

[[noreturn]] void throw_bad_integer(std::string_view text) {
  throw std::invalid_argument("Failed to parse integer from '" + std::string(text) + "'");
}

// A NaN size would poison every amount the tree derives from it.
void require_finite(double value) {
  if (!std::isfinite(value)) throw std::invalid_argument("Bet size must be a finite number");
}

SizeSpec parse_relative(std::string_view token, bool allow_raise_forms) {
  if (!allow_raise_forms) throw std::invalid_argument("Relative raise (x) is not allowed in this context");
  SizeSpec spec;
  spec.kind = kSizeRelative;
  spec.value = parse_double(token.substr(0, token.size() - 1));
  if (!(spec.value > 1.0)) throw std::invalid_argument("Relative raise must exceed 1.0x");
  require_finite(spec.value);
  return spec;
}

SizeSpec parse_chips_with_cap(std::string_view token, bool allow_raise_forms) {
  const std::size_t c_pos = token.find_first_of("cC");
  SizeSpec spec;
  spec.kind = kSizeChips;
  spec.amount = parse_int(token.substr(0, c_pos));
  const std::string_view cap = token.substr(c_pos + 1);
  if (!cap.empty()) {
    if (!allow_raise_forms) throw std::invalid_argument("Raise cap is only valid for raises");
    if (lower_ascii(cap.back()) != 'r') throw std::invalid_argument("Raise cap must end with 'r'");
    spec.raise_cap = parse_int(cap.substr(0, cap.size() - 1));
    if (spec.raise_cap < 1) throw std::invalid_argument("Raise cap must be positive");
  }
  return spec;
}

SizeSpec parse_geometric(std::string_view token) {
  std::string_view body = token.substr(0, token.size() - 1);
  SizeSpec spec;
  spec.kind = kSizeGeometric;
  spec.geo_max_fraction = std::numeric_limits<double>::infinity();
  const std::size_t pct = body.find('%');
  if (pct != std::string_view::npos) {
    spec.geo_max_fraction = parse_double(body.substr(pct + 1)) / 100.0;
    if (std::isnan(spec.geo_max_fraction)) throw std::invalid_argument("Bet size must be a finite number");
    body = body.substr(0, pct);
  }
  if (!body.empty()) {
    spec.streets = parse_int(body);
    if (spec.streets < 1) throw std::invalid_argument("Geometric streets must be positive");
  }
  return spec;
}

}  // namespace

double parse_double(std::string_view text) {
  const std::string buffer(text);  // strtod needs a terminated string
  const char* begin = buffer.c_str();
  char* end = nullptr;
  const int saved_errno = errno;
  errno = 0;
  const double value = strtod_c(begin, &end);
  const int err = errno;
  errno = saved_errno;
  if (end == begin) throw std::invalid_argument("invalid stod argument");
  if (err == ERANGE) throw std::out_of_range("stod argument out of range");
  if (static_cast<std::size_t>(end - begin) != text.size()) {
    throw std::invalid_argument("Failed to parse floating-point number from '" + buffer +
                                "' (hex=" + hex_bytes(text) + ")");
  }
  return value;
}

std::int32_t parse_int(std::string_view text) {
  // Base 10 with leading whitespace and one optional sign, as strtoll reads it.
  std::size_t pos = 0;
  while (pos < text.size() && is_space_ascii(text[pos])) ++pos;
  const std::size_t sign_pos = pos;
  const bool negative = pos < text.size() && text[pos] == '-';
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  if (pos >= text.size() || !is_digit_ascii(text[pos])) throw_bad_integer(text);
  const char* first = text.data() + (negative ? sign_pos : pos);
  const char* last = text.data() + text.size();
  long long value = 0;
  const auto [ptr, ec] = std::from_chars(first, last, value, 10);
  if (ec != std::errc() || ptr != last) throw_bad_integer(text);
  if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) {
    throw std::out_of_range("Integer value is out of range");
  }
  return static_cast<std::int32_t>(value);
}

SizeSpec parse_bet_size(std::string_view token, bool allow_raise_forms) {
  token = trim(token);
  if (token.empty()) throw std::invalid_argument("Empty bet size token");
  const char last = lower_ascii(token.back());
  const bool has_c = token.find_first_of("cC") != std::string_view::npos;

  if (last == 'x') return parse_relative(token, allow_raise_forms);
  if (last == 'c' || (last == 'r' && has_c)) return parse_chips_with_cap(token, allow_raise_forms);
  if (last == 'e') return parse_geometric(token);
  if (last == 'a') {
    SizeSpec spec;
    spec.kind = kSizeAllIn;
    return spec;
  }
  SizeSpec spec;
  if (last == '%') {
    spec.kind = kSizePotFraction;
    spec.value = parse_double(token.substr(0, token.size() - 1)) / 100.0;
    require_finite(spec.value);
    return spec;
  }
  spec.kind = kSizeChips;
  spec.amount = parse_int(token);
  return spec;
}

std::vector<SizeSpec> parse_bet_size_list(std::string_view text, bool allow_raise_forms) {
  std::vector<SizeSpec> sizes;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t comma = text.find(',', start);
    if (comma == std::string_view::npos) comma = text.size();
    const std::string_view piece = trim(text.substr(start, comma - start));
    if (!piece.empty()) sizes.push_back(parse_bet_size(piece, allow_raise_forms));
    start = comma + 1;
  }
  return sizes;
}

std::vector<SizeSpec> parse_bet_sizes(std::string_view text) { return parse_bet_size_list(text, false); }

std::pair<std::vector<SizeSpec>, std::vector<SizeSpec>> parse_bet_and_raise_sizes(std::string_view bet_text,
                                                                                  std::string_view raise_text) {
  return {parse_bet_size_list(bet_text, false), parse_bet_size_list(raise_text, true)};
}

}  // namespace velmora

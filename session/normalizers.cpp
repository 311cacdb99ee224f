#include "session/normalizers.h"

#include <charconv>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "core/bet_size.h"

namespace velmora_app {
namespace {

bool is_c_space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool is_size_letter(char c) {
  switch (c) {
    case 'A': case 'a':
    case 'C': case 'c':
    case 'E': case 'e':
    case 'R': case 'r':
    case 'X': case 'x':
      return true;
    default:
      return false;
  }
}

bool keep_size_byte(char c) { return (c >= '0' && c <= '9') || c == '%' || c == ',' || c == '.' || is_size_letter(c); }

std::string_view trim_c_space(std::string_view text) {
  while (!text.empty() && is_c_space(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_c_space(text.back())) text.remove_suffix(1);
  return text;
}

// The first piece of `text` (cut at commas, as typed) whose token the
// solver's parser refuses, trimmed; none when every piece reads alone.
std::optional<std::string> refused_piece(std::string_view text, bool raise) {
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t comma = text.find(',', start);
    if (comma == std::string_view::npos) comma = text.size();
    const std::string_view piece = text.substr(start, comma - start);
    start = comma + 1;
    std::string token;
    try {
      token = normalize_sizing_text(piece, false);  // one piece holds one token or none
    } catch (const std::exception&) {
      continue;
    }
    if (token.empty()) continue;
    try {
      velmora::parse_bet_size(token, raise);
    } catch (const std::exception&) {
      return std::string(trim_c_space(piece));
    }
  }
  return std::nullopt;
}

// Runs one seat's part of a street: bets, raises and (for OOP) the lead list.
void parse_seat_sizes(velmora::StreetSizeLists& out, int seat, const StreetSizing& sizing, std::string_view street) {
  const std::string bet_norm = normalize_sizing_text(sizing.bet_sizes, sizing.add_all_in);
  const std::string raise_norm = normalize_sizing_text(sizing.raise_sizes, sizing.add_all_in);
  std::pair<std::vector<velmora::SizeSpec>, std::vector<velmora::SizeSpec>> lists;
  try {
    lists = velmora::parse_bet_and_raise_sizes(bet_norm, raise_norm);
  } catch (const std::exception& e) {
    // The parser's text may be an internal dump ("... (hex=...)"): name the
    // field and the piece as typed beside it.
    for (const bool raise : {false, true}) {
      if (auto piece = refused_piece(raise ? sizing.raise_sizes : sizing.bet_sizes, raise)) {
        throw SizeTokenError(e.what(), SizeTokenFault{seat, std::string(street), raise, std::move(*piece)});
      }
    }
    throw;
  }
  out.bets[seat] = std::move(lists.first);
  out.raises[seat] = std::move(lists.second);
  if (seat == 0) {
    if (sizing.dont_donk) {
      out.leads = std::vector<velmora::SizeSpec>{};
    } else {
      out.leads = velmora::parse_bet_sizes(bet_norm);
    }
  }
}

void parse_seat_sizes_with_context(velmora::StreetSizeLists& out, int seat, const StreetSizing& sizing,
                                   std::string_view street) {
  try {
    parse_seat_sizes(out, seat, sizing, street);
  } catch (const std::exception& e) {
    // Recomputed for the message: a normaliser error escapes here unwrapped.
    const std::string bet_norm = normalize_sizing_text(sizing.bet_sizes, sizing.add_all_in);
    const std::string raise_norm = normalize_sizing_text(sizing.raise_sizes, sizing.add_all_in);
    std::string msg = seat == 0 ? "OOP " : "IP ";
    msg += street;
    msg += " sizing (bet='" + sizing.bet_sizes + "', raise='" + sizing.raise_sizes + "', bet_norm='" + bet_norm +
           "', raise_norm='" + raise_norm + "'): " + e.what();
    if (const auto* token = dynamic_cast<const SizeTokenError*>(&e)) throw SizeTokenError(msg, token->fault());
    throw std::invalid_argument(msg);
  }
}

}  // namespace

std::string normalize_sizing_text(std::string_view text, bool add_all_in) {
  std::string filtered;
  filtered.reserve(text.size());
  for (char c : text) {
    if (!is_c_space(c) && keep_size_byte(c)) filtered.push_back(c);
  }

  std::string out;
  bool has_all_in = false;
  std::size_t pos = 0;
  while (pos <= filtered.size()) {
    std::size_t comma = filtered.find(',', pos);
    if (comma == std::string::npos) comma = filtered.size();
    std::string token = filtered.substr(pos, comma - pos);
    pos = comma + 1;
    if (token.empty()) continue;

    if (token == "%") {
      throw std::invalid_argument("Sizing: invalid token '%'. Use numbers like '33, 75' or '33%, 75%'");
    }
    if (token.size() == 1) {
      const char c = token[0];
      if (c == 'C' || c == 'c' || c == 'E' || c == 'e' || c == 'X' || c == 'x') {
        throw std::invalid_argument("Sizing: invalid token '" + token + "'");
      }
    }
    if (token == "a" || token == "A") has_all_in = true;
    const char last = token.back();
    if (last != '%' && !is_size_letter(last)) token.push_back('%');
    if (!out.empty()) out.push_back(',');
    out += token;
  }
  if (add_all_in && !has_all_in) {
    if (!out.empty()) out.push_back(',');
    out.push_back('a');
  }
  return out;
}

void parse_street_sizing(velmora::StreetSizeLists& out, const StreetSizing& oop, const StreetSizing& ip,
                         std::string_view street) {
  parse_seat_sizes_with_context(out, 0, oop, street);
  parse_seat_sizes_with_context(out, 1, ip, street);
}

void parse_street_sizing_plain(velmora::StreetSizeLists& out, const StreetSizing& oop, const StreetSizing& ip,
                               std::string_view street) {
  parse_seat_sizes(out, 0, oop, street);
  parse_seat_sizes(out, 1, ip, street);
}

velmora::Range parse_range_or_percent(std::string_view text) {
  std::size_t b = 0;
  std::size_t e = text.size();
  while (b < e && is_c_space(text[b])) ++b;
  while (e > b && is_c_space(text[e - 1])) --e;
  const std::string_view trimmed = text.substr(b, e - b);

  bool percent_form = trimmed.size() >= 2 && trimmed.back() == '%' && trimmed.find('%') == trimmed.size() - 1;
  if (percent_form) {
    for (char c : trimmed) {
      if (!((c >= '0' && c <= '9') || c == '.' || c == '%')) {
        percent_form = false;
        break;
      }
    }
  }
  if (!percent_form) return velmora::parse_range(text);

  const std::string_view number = trimmed.substr(0, trimmed.size() - 1);
  double value = 0.0;
  // Locale-free and, like the standard conversion, reads the leading number only.
  const auto res = std::from_chars(number.data(), number.data() + number.size(), value);
  if (res.ec != std::errc{}) {
    throw std::invalid_argument("Invalid percent range '" + std::string(trimmed) + "' (expected like '50%')");
  }
  const float weight = static_cast<float>(value / 100.0);
  velmora::Range range{};
  velmora::clear_range(range);
  for (unsigned c1 = 0; c1 < static_cast<unsigned>(velmora::kNumCards); ++c1) {
    for (unsigned c2 = c1 + 1; c2 < static_cast<unsigned>(velmora::kNumCards); ++c2) {
      velmora::set_range_weight(range, c1, c2, weight);
    }
  }
  return range;
}

}  // namespace velmora_app

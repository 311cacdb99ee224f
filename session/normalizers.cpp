#include "session/normalizers.h"

#include <charconv>
#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "core/bet_size.h"

namespace velmora_app {

bool is_c_space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

std::string_view trim_c_space(std::string_view text) {
  while (!text.empty() && is_c_space(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_c_space(text.back())) text.remove_suffix(1);
  return text;
}

namespace {

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

// A pot share or a chip amount that reads as 0 ("0", "0.0%", "00c"): the
// builder would quietly make it its smallest bet.
bool is_zero_size(const std::string& token) {
  std::string_view number(token);
  const char last = token.back();
  if (last == '%') {
    number.remove_suffix(1);
  } else if (last == 'c' || last == 'C' || last == 'r' || last == 'R') {
    const std::size_t c = number.find_first_of("cC");
    if (c == std::string_view::npos) return false;
    number = number.substr(0, c);
  } else {
    return false;
  }
  double value = 1.0;
  const auto res = std::from_chars(number.data(), number.data() + number.size(), value);
  return res.ec == std::errc{} && res.ptr == number.data() + number.size() && value == 0.0;
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
  const auto normalized = [&](bool raise) {
    try {
      return normalize_sizing_text(raise ? sizing.raise_sizes : sizing.bet_sizes, sizing.add_all_in);
    } catch (const SizeTokenError& e) {
      SizeTokenFault fault = e.fault();
      fault.seat = seat;
      fault.street = std::string(street);
      fault.raise = raise;
      throw SizeTokenError(e.what(), std::move(fault));
    }
  };
  const std::string bet_norm = normalized(false);
  const std::string raise_norm = normalized(true);
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
    // Recomputed for the message: when the normaliser itself refused a text,
    // its own error (naming the field) escapes unwrapped.
    const std::exception_ptr caught = std::current_exception();
    std::string bet_norm;
    std::string raise_norm;
    try {
      bet_norm = normalize_sizing_text(sizing.bet_sizes, sizing.add_all_in);
      raise_norm = normalize_sizing_text(sizing.raise_sizes, sizing.add_all_in);
    } catch (const std::exception&) {
      std::rethrow_exception(caught);
    }
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
  std::string out;
  bool has_all_in = false;
  bool has_content = false;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t comma = text.find(',', pos);
    if (comma == std::string_view::npos) comma = text.size();
    const std::string_view piece = trim_c_space(text.substr(pos, comma - pos));
    pos = comma + 1;
    if (comma < text.size()) has_content = true;
    if (piece.empty()) continue;
    has_content = true;
    const auto refuse = [&piece](const std::string& message) {
      throw SizeTokenError(message, SizeTokenFault{0, {}, false, std::string(piece)});
    };
    // Dropping a byte could join two numbers ("33 75", "33;75") or turn one
    // into another ("-50", "1/2", "50pct"): such a piece is refused whole.
    // A blank between a number and its unit ("33 %", "2.5 x") changes nothing
    // and is dropped; before "a" it is refused ("50 a" is not "50a").
    std::string token;
    for (std::size_t i = 0; i < piece.size(); ++i) {
      const char c = piece[i];
      if (is_c_space(c)) {
        std::size_t next = i;
        while (next < piece.size() && is_c_space(piece[next])) ++next;
        const char before = piece[i - 1];  // the piece is trimmed: i > 0
        const char after = piece[next];
        const bool unit_follows = after == '%' || (is_size_letter(after) && after != 'a' && after != 'A');
        if (!unit_follows || !((before >= '0' && before <= '9') || before == '.')) {
          refuse("Sizing: '" + std::string(piece) + "' holds a blank; separate sizes with commas");
        }
        i = next - 1;
        continue;
      }
      if (!keep_size_byte(c)) refuse("Sizing: '" + std::string(piece) + "' holds a character no size uses");
      token.push_back(c);
    }
    if (token == "%") refuse("Sizing: invalid token '%'. Use numbers like '33, 75' or '33%, 75%'");
    if (token.size() == 1) {
      const char c = token[0];
      if (c == 'C' || c == 'c' || c == 'E' || c == 'e' || c == 'X' || c == 'x') {
        refuse("Sizing: invalid token '" + token + "'");
      }
    }
    if (token == "a" || token == "A") has_all_in = true;
    const char last = token.back();
    if (last != '%' && !is_size_letter(last)) token.push_back('%');
    if (is_zero_size(token)) refuse("Sizing: '" + std::string(piece) + "' is a size of 0");
    if (!out.empty()) out.push_back(',');
    out += token;
  }
  // Commas alone name no size: no bet was meant by them.
  if (has_content && out.empty()) {
    throw SizeTokenError("Sizing: '" + std::string(trim_c_space(text)) + "' holds no size",
                         SizeTokenFault{0, {}, false, std::string(trim_c_space(text))});
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

std::optional<SizeTokenFault> first_size_fault(const SolveConfig& config) {
  velmora::StreetSizeLists lists;
  try {
    parse_street_sizing_plain(lists, config.oop_flop, config.ip_flop, "flop");
    parse_street_sizing_plain(lists, config.oop_turn, config.ip_turn, "turn");
    parse_street_sizing_plain(lists, config.oop_river, config.ip_river, "river");
  } catch (const SizeTokenError& e) {
    return e.fault();
  } catch (const std::exception&) {
    // Not a size fault: the solve reports it in its own words.
  }
  return std::nullopt;
}

bool is_percent_range_text(std::string_view text) {
  const std::string_view trimmed = trim_c_space(text);
  if (trimmed.size() < 2 || trimmed.back() != '%' || trimmed.find('%') != trimmed.size() - 1) return false;
  for (char c : trimmed) {
    if (!((c >= '0' && c <= '9') || c == '.' || c == '%')) return false;
  }
  return true;
}

velmora::Range parse_range_or_percent(std::string_view text) {
  if (text.size() > kMaxRangeTextLength) {
    throw std::invalid_argument("Range text is longer than " + std::to_string(kMaxRangeTextLength) + " characters");
  }
  if (!is_percent_range_text(text)) return velmora::parse_range(text);
  const std::string_view trimmed = trim_c_space(text);

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

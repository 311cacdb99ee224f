// Clean-up of the user's size and range texts before the solver core's strict
// parsers see them.
#pragma once
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "core/action_plan.h"
#include "core/range.h"
#include "session/solve_types.h"

namespace velmora_app {

// The blanks of the C locale (space, tab, line breaks), which the size and
// range texts may hold around their pieces; and a text without them around it.
bool is_c_space(char c);
std::string_view trim_c_space(std::string_view text);

// Where a size text holds a token the solver cannot read.
struct SizeTokenFault {
  int seat = 0;        // 0 OOP, 1 IP
  std::string street;  // "flop", "turn" or "river"; empty when not given
  bool raise = false;  // in the raise sizes, else in the bet sizes
  std::string token;   // the piece between commas as typed, trimmed
};

// The solver's own error for an unreadable size token, with where it was
// typed, so that a user-facing text can name the field.
class SizeTokenError : public std::invalid_argument {
 public:
  SizeTokenError(const std::string& message, SizeTokenFault fault)
      : std::invalid_argument(message), fault_(std::move(fault)) {}
  const SizeTokenFault& fault() const noexcept { return fault_; }

 private:
  SizeTokenFault fault_;
};

// Reduces a size text to a comma list of size tokens: blanks around the
// pieces between commas dropped, a bare number made a pot percentage, "a"
// appended when `add_all_in` is set and no all-in token is present.
// "33, 75" -> "33%,75%". A piece that holds a blank or a byte no size uses
// ("33 75", "-50", "1/2"), a size of 0, a lone "%", "c", "e" or "x", and a
// text of commas alone throw a SizeTokenError naming the piece as typed (its
// seat, street and field are left for the caller to fill in).
std::string normalize_sizing_text(std::string_view text, bool add_all_in);

// Fills one street's size lists from both seats' texts. An error names the
// seat, the street, both texts as typed and both normalised texts before the
// parser's own message. A token the solver's parser refuses throws a
// SizeTokenError; the normaliser's own errors stand as they are, with the
// seat, street and field filled in.
void parse_street_sizing(velmora::StreetSizeLists& out, const StreetSizing& oop, const StreetSizing& ip,
                         std::string_view street);

// The same without the context in error messages (used by the memory
// estimate and the start's check): a refused text or token throws a
// SizeTokenError with the normaliser's or the parser's text.
void parse_street_sizing_plain(velmora::StreetSizeLists& out, const StreetSizing& oop, const StreetSizing& ip,
                               std::string_view street = {});

// The first refusal among a request's twelve size texts (flop, turn, river;
// OOP before IP; bets before raises), or none.
std::optional<SizeTokenFault> first_size_fault(const SolveConfig& config);

// The longest range text read. Every combo written out with a weight takes
// about 16,000 characters; a longer text is no range anyone typed or kept,
// and reading it would only cost time and memory.
inline constexpr std::size_t kMaxRangeTextLength = 50000;

// Whether the text, blanks around it aside, is one share of every hand
// ("50%", "12.5%"): digits and points followed by a single "%".
bool is_percent_range_text(std::string_view text);

// "50%" gives weight 0.5 on all 1326 combos; any other text goes to the core
// range parser. A text longer than kMaxRangeTextLength is refused unread.
velmora::Range parse_range_or_percent(std::string_view text);

}  // namespace velmora_app

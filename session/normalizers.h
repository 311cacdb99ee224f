// Clean-up of the user's size and range texts before the solver core's strict
// parsers see them.
#pragma once
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "core/action_plan.h"
#include "core/range.h"
#include "session/solve_types.h"

namespace velmora_app {

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

// Reduces a size text to a comma list of size tokens: blanks and foreign
// bytes dropped, a bare number made a pot percentage, "a" appended when
// `add_all_in` is set and no all-in token is present. "33, 75" -> "33%,75%".
// Throws std::invalid_argument on a token that cannot be a size.
std::string normalize_sizing_text(std::string_view text, bool add_all_in);

// Fills one street's size lists from both seats' texts. An error names the
// seat, the street, both texts as typed and both normalised texts before the
// parser's own message. A token the solver's parser refuses throws a
// SizeTokenError; the normaliser's own errors stand as they are.
void parse_street_sizing(velmora::StreetSizeLists& out, const StreetSizing& oop, const StreetSizing& ip,
                         std::string_view street);

// The same without the context in error messages (used by the memory
// estimate): a refused token throws a SizeTokenError with the parser's text.
void parse_street_sizing_plain(velmora::StreetSizeLists& out, const StreetSizing& oop, const StreetSizing& ip,
                               std::string_view street = {});

// "50%" gives weight 0.5 on all 1326 combos; any other text goes to the core
// range parser.
velmora::Range parse_range_or_percent(std::string_view text);

}  // namespace velmora_app

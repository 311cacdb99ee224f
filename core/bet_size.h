// Strict number readers and the bet/raise size token grammar.
#pragma once
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora {

enum SizeKind : std::int32_t {
  kSizePotFraction = 0,
  kSizeRelative = 1,
  kSizeChips = 2,
  kSizeGeometric = 3,
  kSizeAllIn = 4,
};

struct SizeSpec {
  std::int32_t kind = kSizePotFraction;
  double value = 0.0;
  double geo_max_fraction = 0.0;
  std::int32_t amount = 0;
  std::int32_t raise_cap = 0;
  std::int32_t streets = 0;
};

// Both readers ignore the process locale.
double parse_double(std::string_view text);
std::int32_t parse_int(std::string_view text);

SizeSpec parse_bet_size(std::string_view token, bool allow_raise_forms);
std::vector<SizeSpec> parse_bet_size_list(std::string_view text, bool allow_raise_forms);
std::vector<SizeSpec> parse_bet_sizes(std::string_view text);
std::pair<std::vector<SizeSpec>, std::vector<SizeSpec>> parse_bet_and_raise_sizes(std::string_view bet_text,
                                                                                  std::string_view raise_text);

}  // namespace velmora

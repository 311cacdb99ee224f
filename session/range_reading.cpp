#include "session/range_reading.h"

#include <charconv>
#include <cstdint>

#include "core/cards.h"
#include "core/range.h"
#include "session/normalizers.h"

namespace velmora_app {
namespace {

std::string without_blanks(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (!is_c_space(c)) out.push_back(c);
  }
  return out;
}

// The grid position of each pocket's class, by pocket index.
const std::array<std::uint8_t, velmora::kNumPockets>& pocket_classes() {
  static const auto table = [] {
    std::array<std::uint8_t, velmora::kNumPockets> out{};
    const auto& pockets = velmora::pocket_table();
    for (int i = 0; i < velmora::kNumPockets; ++i) {
      out[static_cast<std::size_t>(i)] =
          static_cast<std::uint8_t>(hand_class_index(hand_class_label(pockets[static_cast<std::size_t>(i)])));
    }
    return out;
  }();
  return table;
}

// The classes that hold a pocket above 0 in `range`, ascending.
std::vector<int> classes_held(const velmora::Range& range) {
  std::array<bool, kHandClassCount> held{};
  const auto& classes = pocket_classes();
  for (std::size_t i = 0; i < range.size(); ++i) {
    if (range[i] > 0.0f) held[classes[i]] = true;
  }
  std::vector<int> out;
  for (int c = 0; c < kHandClassCount; ++c) {
    if (held[static_cast<std::size_t>(c)]) out.push_back(c);
  }
  return out;
}

// The shortest text that reads back to the same float, "" for 1.
std::string weight_text(float weight) {
  if (weight == 1.0f) return {};
  char buffer[32];
  const auto res = std::to_chars(buffer, buffer + sizeof buffer, weight);
  return std::string(buffer, res.ptr);
}

// A piece of a text the solver read as a whole: the classes its hands cover
// (read without its weight, so that a weight of 0 covers them too) and its
// weight as written.
RangeTextPiece read_piece(std::string_view piece) {
  const std::string compact = without_blanks(piece);
  const std::size_t colon = compact.find(':');
  velmora::Range cover = velmora::parse_range(std::string_view(compact).substr(0, colon));
  RangeTextPiece out;
  out.text = std::string(piece);
  out.classes = classes_held(cover);
  if (colon != std::string::npos) out.weight = compact.substr(colon + 1);
  return out;
}

}  // namespace

std::array<double, kHandClassCount> range_class_weights(std::string_view text) {
  const velmora::Range range = parse_range_or_percent(text);
  std::array<double, kHandClassCount> weights{};
  std::array<int, kHandClassCount> combos{};
  const auto& classes = pocket_classes();
  for (std::size_t i = 0; i < range.size(); ++i) {
    weights[classes[i]] += static_cast<double>(range[i]);
    ++combos[classes[i]];
  }
  for (std::size_t c = 0; c < weights.size(); ++c) weights[c] /= combos[c];
  return weights;
}

RangeTextPieces range_text_pieces(std::string_view text) {
  const velmora::Range range = parse_range_or_percent(text);
  RangeTextPieces out;
  if (is_percent_range_text(text)) {
    out.share = true;
    RangeTextPiece all;
    all.text = std::string(trim_c_space(text));
    for (int c = 0; c < kHandClassCount; ++c) all.classes.push_back(c);
    all.weight = weight_text(range[0]);
    out.pieces.push_back(std::move(all));
    return out;
  }
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t comma = text.find(',', start);
    if (comma == std::string_view::npos) comma = text.size();
    const std::string_view piece = trim_c_space(text.substr(start, comma - start));
    if (!piece.empty()) out.pieces.push_back(read_piece(piece));
    start = comma + 1;
  }
  return out;
}

}  // namespace velmora_app

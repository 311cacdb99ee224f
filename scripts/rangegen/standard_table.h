// The standard preset table: per seat a flat list of named range texts.
#pragma once
#include <string>
#include <vector>

#include "scripts/rangegen/preflop_model.h"

namespace rangegen {

struct Entry {
  std::string name;
  std::string value;
};

struct StandardTable {
  std::vector<Entry> oop;
  std::vector<Entry> ip;
};

// The five rake levels in table order with their styles.
struct RakeLevel {
  const char* name;
  Style style;
};
const std::vector<RakeLevel>& rake_levels();

// The six-max spot names of one rake for a seat ("oop" or "ip"), in table order.
const std::vector<std::string>& six_max_spots(bool oop);
const std::vector<std::string>& heads_up_spots(bool oop);

// Range of one spot name ("RFI UTG", "vs RFI UTG: Call SB",
// "UTG vs HJ 3bet: UTG 4bet", "SB 3bet vs UTG 4bet: SB Call").
Weights spot_range(const PreflopModel& model, const std::string& spot, const Style& style);

StandardTable build_standard_table(const Rankings& rankings);

}  // namespace rangegen

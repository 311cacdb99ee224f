// JSON text of the two tables, laid out as a two-space indented
// JSON.stringify writes it, so that an export from the program matches.
#pragma once
#include <string>

#include "scripts/rangegen/range_tree.h"
#include "scripts/rangegen/standard_table.h"

namespace rangegen {

struct PopulationTable {
  std::vector<Node> oop;
  std::vector<Node> ip;
};

std::string standard_json(const StandardTable& table);
std::string population_json(const PopulationTable& table, const std::string& generated_at);

}  // namespace rangegen

// The population table: per seat a folder tree of ranges for player types.
#pragma once
#include "scripts/rangegen/json_writer.h"
#include "scripts/rangegen/rankings.h"

namespace rangegen {

PopulationTable build_population_table(const Rankings& rankings);

}  // namespace rangegen

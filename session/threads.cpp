#include "session/threads.h"

#include <algorithm>

#include "core/action_plan.h"
#include "core/card_context.h"

namespace velmora_app {

unsigned set_up_workers() {
  return std::max(velmora::CardContext::max_workers(), velmora::ActionPlan::max_workers_from_env());
}

}  // namespace velmora_app

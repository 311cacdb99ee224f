// What the session tells the back end of the threads a solve starts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "session/threads.h"

namespace velmora_app {
namespace {

// Sets an environment variable for one scope.
struct EnvValue {
  EnvValue(const char* name, const char* value) : name(name) {
    if (const char* old = std::getenv(name)) saved = old;
    setenv(name, value, 1);
  }
  ~EnvValue() { saved ? setenv(name, saved->c_str(), 1) : unsetenv(name); }
  const char* name;
  std::optional<std::string> saved;
};

TEST(SetUpWorkers, TheCardContextOrTheTreeBuilderWhicheverStartsMore) {
  struct Case {
    const char* cards;
    const char* tree;
    unsigned workers;
  };
  for (const Case& k : {Case{"3", "5", 5}, Case{"5", "3", 5}, Case{"4", "4", 4}}) {
    const EnvValue c("VELMORA_CARDCTX_MAX_WORKERS", k.cards);
    const EnvValue t("VELMORA_ACTIONPLAN_MAX_WORKERS", k.tree);
    EXPECT_EQ(set_up_workers(), k.workers) << k.cards << " " << k.tree;
  }
}

}  // namespace
}  // namespace velmora_app

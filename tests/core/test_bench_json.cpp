// Checked reading of the bench spot files: numbers a field cannot hold and
// values of the wrong type are errors naming the key.
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>

#include "bench/bench_json.h"
#include "expect_throw.h"

namespace {

using bench_json::value_or;
using velmora::testing::expect_error;

TEST(BenchJson, NumbersOutsideTheFieldAndWrongTypesAreErrors) {
  const auto spot = nlohmann::json::parse(R"({"big": 1e25, "neg": -1, "frac": 2.5, "whole": 3.0, "max": 4294967295,
    "over": 4294967296, "int_min": -2147483648, "text": "7", "flag": 1, "inf_ish": 1e300, "ok": 12})");
  const auto range_error = [](const std::string& key) { return "\"" + key + "\": number out of range"; };

  expect_error<std::runtime_error>([&] { value_or<std::uint32_t>(spot, "big", 0); },
                                   "\"big\": expected a whole number in range");
  expect_error<std::runtime_error>([&] { value_or<int>(spot, "big", 0); }, "\"big\": expected a whole number in range");
  expect_error<std::runtime_error>([&] { value_or<std::uint32_t>(spot, "neg", 0); }, range_error("neg"));
  expect_error<std::runtime_error>([&] { value_or<int>(spot, "frac", 0); }, "\"frac\": expected a whole number in range");
  expect_error<std::runtime_error>([&] { value_or<std::uint32_t>(spot, "over", 0); }, range_error("over"));
  expect_error<std::runtime_error>([&] { value_or<std::int16_t>(spot, "int_min", 0); }, range_error("int_min"));
  expect_error<std::runtime_error>([&] { value_or<int>(spot, "text", 0); }, "\"text\": expected a whole number");
  expect_error<std::runtime_error>([&] { value_or<bool>(spot, "flag", false); }, "\"flag\": expected true or false");
  expect_error<std::runtime_error>([&] { value_or<float>(spot, "inf_ish", 0.0f); }, range_error("inf_ish"));
  expect_error<std::runtime_error>([&] { value_or<std::string>(spot, "ok", ""); }, "\"ok\": expected a text");

  // What the field holds is read as it stands; a missing key is the fallback.
  EXPECT_EQ(value_or<std::uint32_t>(spot, "max", 0), 4294967295u);
  EXPECT_EQ(value_or<int>(spot, "int_min", 0), -2147483648LL);
  EXPECT_EQ(value_or<std::uint32_t>(spot, "whole", 0), 3u);
  EXPECT_EQ(value_or<double>(spot, "frac", 0.0), 2.5);
  EXPECT_EQ(value_or<int>(spot, "ok", 0), 12);
  EXPECT_EQ(value_or<int>(spot, "missing", 5), 5);
}

}  // namespace

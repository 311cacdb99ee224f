// Checks that a call throws a given exception type with an exact message.
#pragma once
#include <gtest/gtest.h>

#include <exception>
#include <string>

namespace velmora::testing {

template <typename E, typename F>
void expect_error(F&& fn, const std::string& message) {
  try {
    fn();
    ADD_FAILURE() << "expected an exception with message: " << message;
  } catch (const E& e) {
    EXPECT_EQ(std::string(e.what()), message);
  } catch (const std::exception& e) {
    ADD_FAILURE() << "wrong exception type, message: " << e.what();
  }
}

}  // namespace velmora::testing

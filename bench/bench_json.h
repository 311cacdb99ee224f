// Checked reading of the bench spot files: a value of the wrong type, or a
// number the field cannot hold (1e25 in an integer field, a fraction of a
// chip, a negative count), is an error naming the key, never a silent
// conversion.
#pragma once
#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace bench_json {

template <class T>
T value_or(const nlohmann::json& j, const std::string& key, T fallback) {
  const auto it = j.find(key);
  if (it == j.end() || it->is_null()) return fallback;
  const auto bad = [&key](const char* what) { return std::runtime_error("\"" + key + "\": " + what); };
  if constexpr (std::is_same_v<T, bool>) {
    if (!it->is_boolean()) throw bad("expected true or false");
    return it->template get<bool>();
  } else if constexpr (std::is_same_v<T, std::string>) {
    if (!it->is_string()) throw bad("expected a text");
    return it->template get<std::string>();
  } else if constexpr (std::is_floating_point_v<T>) {
    if (!it->is_number()) throw bad("expected a number");
    const double d = it->template get<double>();
    if (!std::isfinite(d) || std::fabs(d) > static_cast<double>(std::numeric_limits<T>::max())) {
      throw bad("number out of range");
    }
    return static_cast<T>(d);
  } else {
    static_assert(std::is_integral_v<T>);
    if (!it->is_number()) throw bad("expected a whole number");
    if (it->is_number_unsigned()) {
      const auto v = it->template get<unsigned long long>();
      if (v > static_cast<unsigned long long>(std::numeric_limits<T>::max())) throw bad("number out of range");
      return static_cast<T>(v);
    }
    if (it->is_number_integer()) {
      const auto v = it->template get<long long>();
      if (v < 0 && !std::is_signed_v<T>) throw bad("number out of range");
      if (std::is_signed_v<T> && (v < static_cast<long long>(std::numeric_limits<T>::min()) ||
                                  v > static_cast<long long>(std::numeric_limits<T>::max()))) {
        throw bad("number out of range");
      }
      if (!std::is_signed_v<T> && static_cast<unsigned long long>(v) > std::numeric_limits<T>::max()) {
        throw bad("number out of range");
      }
      return static_cast<T>(v);
    }
    // A floating-point number: whole and within the field, compared against
    // the powers of two that bound it (exact as doubles).
    const double d = it->template get<double>();
    const double upper = std::ldexp(1.0, std::numeric_limits<T>::digits);
    const double lower = std::is_signed_v<T> ? -upper : 0.0;
    if (!std::isfinite(d) || d != std::floor(d) || d < lower || d >= upper) throw bad("expected a whole number in range");
    return static_cast<T>(d);
  }
}

}  // namespace bench_json

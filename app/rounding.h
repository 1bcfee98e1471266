// Float-to-integer conversion of positions and sizes: nearest, halves to even.
// Independent of the current floating-point rounding mode.
#pragma once

#include <cmath>
#include <cstdint>

// NaN gives 0; values beyond the 64-bit range saturate.
inline int64_t RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 9223372036854775807.0) return INT64_MAX;
  if (value <= -9223372036854775808.0) return INT64_MIN;
  double whole = std::floor(value);
  double fraction = value - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  return static_cast<int64_t>(whole);
}

// Every float is exactly a double, so the float is rounded as it stands.
inline int64_t RoundHalfEven(float value) { return RoundHalfEven(static_cast<double>(value)); }

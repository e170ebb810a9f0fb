#pragma once

// Rounding down to a whole number.

#include <cmath>
#include <cstdint>

namespace runtime {

// The largest whole number not greater than `x`: -0.5 gives -1, -0.0 gives -0.0, and not-a-
// number and infinities give themselves; the same double as std::floor for every input.
// Baseline x86-64 has no rounding instruction, so std::floor is a library call there; the
// conversions round several times per answer, and this inlines to a few instructions.
[[nodiscard]] inline double Floor(double x) noexcept {
    // From 2^52 on every double is a whole number, and the int64 round trip below is exact
    // for everything smaller.
    constexpr double kAllWhole = 4503599627370496.0;  // 2^52
    if (!(x > -kAllWhole && x < kAllWhole)) {
        return std::floor(x);
    }
    // Truncation rounds towards zero; one less for negative non-whole values. No branch: the
    // conversions round values that vary from call to call, which a predictor cannot learn.
    // copysign gives -0.0 its sign back (floor keeps the sign of zero).
    const auto truncated = static_cast<double>(static_cast<std::int64_t>(x));
    return std::copysign(truncated - (truncated > x ? 1.0 : 0.0), x);
}

}  // namespace runtime

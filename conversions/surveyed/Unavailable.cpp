// The surveyed conversion's stand-in, for builds without GeographicLib: the same interface,
// answering that the conversion is not there.

#include "conversions/Module1.hpp"
#include "conversions/surveyed/Surveyed.hpp"

namespace Surveyed {

Answer Convert(std::string_view) {
    Answer answer;
    answer.result = Module1::kBadGridLetter;
    return answer;
}

std::string_view WhyUnavailable() noexcept {
    return "not available in this build";
}

}  // namespace Surveyed

// In the web build the tests take OSTN15's tables as the page does: the encoded file that
// the build writes for it (QUORVANE_OSTN15_ENCODED_FILE, before it is gzipped), handed over
// before any test runs.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "conversions/surveyed/ShiftLoading.hpp"

namespace {

class WebShifts : public testing::Environment {
  public:
    void SetUp() override {
        std::ifstream in(QUORVANE_OSTN15_ENCODED_FILE, std::ios::binary);
        const std::vector<std::uint8_t> encoded((std::istreambuf_iterator<char>(in)),
                                                std::istreambuf_iterator<char>());
        ASSERT_TRUE(Surveyed::ProvideShifts(encoded)) << QUORVANE_OSTN15_ENCODED_FILE;
    }
};

const testing::Environment* const kWebShifts = testing::AddGlobalTestEnvironment(new WebShifts);

}  // namespace

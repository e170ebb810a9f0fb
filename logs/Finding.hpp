#pragma once

// A problem found in a log, as `quorvane-log check` reports it.

#include <cstddef>
#include <string>
#include <string_view>

namespace Logs {

struct Finding {
    std::size_t line = 0;  // of the file, from 1
    std::string field;     // the field or header entry at fault: "GRIDSQUARE", "Points", "CQSOP"
    std::string what;      // what is wrong, naming the value: "\"VARIOUS\" is not a locator: ..."
    std::string shouldBe;  // what it should be; empty when that is not known
};

// `value` in double quotes, as a finding shows data from a log: each control character and
// malformed byte shown as \xHH (runtime::Printable), so that the finding stays one line.
[[nodiscard]] std::string QuotedValue(std::string_view value);

}  // namespace Logs

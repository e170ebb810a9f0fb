#include "logs/Finding.hpp"

#include "runtime/Text.hpp"

namespace Logs {

std::string QuotedValue(std::string_view value) {
    return runtime::Quoted(runtime::Printable(value), '"');
}

}  // namespace Logs

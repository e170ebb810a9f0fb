// The checks of the two programs' option values, as CLI11 validators: each refusal names the
// values allowed and quotes the value given ("needs 2, 4, 6, 8 or 10 ('7')").

#pragma once

#include <CLI/CLI.hpp>

#include <charconv>
#include <map>
#include <string>
#include <system_error>

#include "runtime/Text.hpp"

namespace cli {

// A whole number from `min` to `max`, in steps of `step` from `min`; `list` names them.
inline CLI::Validator WholeNumber(int min, int max, int step, std::string list) {
    return CLI::Validator(
        [=](const std::string& text) -> std::string {
            int value = 0;
            const auto [end, error] =
                std::from_chars(text.data(), text.data() + text.size(), value);
            if (error != std::errc{} || end != text.data() + text.size() || value < min ||
                value > max || (value - min) % step != 0) {
                return "needs " + list + " ('" + runtime::Printable(text) + "')";
            }
            return {};
        },
        "");
}

// The value a name stands for in `names`, as the number CLI11 reads into the enumeration;
// `names` must outlive the parse.
template <typename Value>
CLI::Validator Named(const std::map<std::string, Value>& names, std::string list) {
    return CLI::Validator(
        [&names, list](std::string& text) -> std::string {
            const auto found = names.find(text);
            if (found == names.end())
                return "needs " + list + " ('" + runtime::Printable(text) + "')";
            text = std::to_string(static_cast<int>(found->second));
            return {};
        },
        "");
}

}  // namespace cli

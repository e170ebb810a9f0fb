#include "logs/Finding.hpp"

namespace Logs {

std::string Printable(std::string_view value) {
    std::string shown(value);
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < ' ' || c == '\x7f')
            c = '?';
    }
    return shown;
}

std::string QuotedValue(std::string_view value) {
    return '"' + Printable(value) + '"';
}

}  // namespace Logs

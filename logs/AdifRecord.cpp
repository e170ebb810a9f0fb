#include "logs/AdifRecord.hpp"

#include <cmath>

#include "runtime/Text.hpp"

namespace Logs {
namespace {

constexpr std::size_t kLocationLength = 11;  // XDDD MM.MMM
constexpr int kMaxLatitude = 90;
constexpr int kMaxLongitude = 180;
constexpr long kThousandthsPerDegree = 60'000;
constexpr int kMinutesPerDegree = 60;
constexpr int kThousandthsPerMinute = 1000;

}  // namespace

void AdifRecord::Index(const AdifPart& part) {
    part_ = &part;
    found_.fill(-1);
    for (std::size_t i = 0; i < part.fields.size(); ++i) {
        const std::string_view name = part.fields[i].name;
        for (std::size_t known = 0; known < kAdifNames.size(); ++known) {
            if (found_[known] < 0 && runtime::EqualsIgnoringCase(name, kAdifNames[known])) {
                found_[known] = static_cast<int>(i);
                break;
            }
        }
    }
}

std::string_view AdifRecord::Value(Adif field) const noexcept {
    const AdifField* found = Find(field);
    return found ? runtime::TrimBlanks(found->data) : std::string_view();
}

std::size_t AdifRecord::LineOf(Adif field) const noexcept {
    const AdifField* found = Find(field);
    return found ? found->line : part_->line;
}

bool IsAdifLocation(std::string_view text, bool latitude) noexcept {
    if (text.size() != kLocationLength || text[4] != ' ' || text[7] != '.')
        return false;
    const char hemisphere = text[0];
    if (latitude ? hemisphere != 'N' && hemisphere != 'S' : hemisphere != 'E' && hemisphere != 'W')
        return false;
    for (const std::size_t digit : {1U, 2U, 3U, 5U, 6U, 8U, 9U, 10U}) {
        if (!runtime::IsDigit(text[digit]))
            return false;
    }
    const auto number = [&](std::size_t at, std::size_t digits) {
        int value = 0;
        for (std::size_t i = at; i < at + digits; ++i)
            value = value * 10 + (text[i] - '0');
        return value;
    };
    const int degrees = number(1, 3);
    const int minutes = number(5, 2);
    const int thousandths = number(8, 3);
    const int limit = latitude ? kMaxLatitude : kMaxLongitude;
    return minutes < kMinutesPerDegree &&
           (degrees < limit || (degrees == limit && minutes == 0 && thousandths == 0));
}

std::string AdifLocation(double degrees, bool latitude) {
    const long thousandths = std::lround(std::fabs(degrees) * kThousandthsPerDegree);
    const char hemisphere = latitude ? (degrees < 0 && thousandths > 0 ? 'S' : 'N')
                                     : (degrees < 0 && thousandths > 0 ? 'W' : 'E');
    const long minutes = thousandths % kThousandthsPerDegree;
    std::string text(1, hemisphere);
    const auto digits = [&text](long value, int count) {
        for (long power = count == 3 ? 100 : 10; power > 0; power /= 10)
            text += static_cast<char>('0' + value / power % 10);
    };
    digits(thousandths / kThousandthsPerDegree, 3);
    text += ' ';
    digits(minutes / kThousandthsPerMinute, 2);
    text += '.';
    digits(minutes % kThousandthsPerMinute, 3);
    return text;
}

}  // namespace Logs

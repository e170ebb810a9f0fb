#include "cli/Table.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

namespace cli {
namespace {

// Bytes asked of each read: a record longer than this is read in several.
constexpr std::size_t kReadBytes = std::size_t{1} << 16;

// Counts each delimiter of kTableDelimiters outside double quotes in the first record of
// `text`; false when `text` ends before that record does.
bool CountDelimiters(std::string_view text, std::array<std::size_t, 3>& counts) noexcept {
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted) {
            if (c == '\n')
                return true;
            const std::size_t which = kTableDelimiters.find(c);
            if (which != std::string_view::npos)
                ++counts[which];
        }
    }
    return false;
}

}  // namespace

char DetectDelimiter(std::string_view text) noexcept {
    std::array<std::size_t, 3> counts{};
    CountDelimiters(text, counts);
    const auto most = std::max_element(counts.begin(), counts.end());
    return *most == 0 ? ',' : kTableDelimiters[static_cast<std::size_t>(most - counts.begin())];
}

std::string_view TableRows::Record(std::size_t row) const noexcept {
    const Span& span = rows_[row].record;
    return std::string_view(bytes_).substr(span.offset, span.size);
}

std::string_view TableRows::LineEnd(std::size_t row) const noexcept {
    return std::string_view("\r\n").substr(2 - rows_[row].lineEnd);
}

std::string_view TableRows::Field(std::size_t row, std::size_t field) const noexcept {
    const Span& span = fields_[rows_[row].firstField + field];
    return std::string_view(bytes_).substr(span.offset, span.size);
}

void TableRows::Clear() noexcept {
    bytes_.clear();
    fields_.clear();
    rows_.clear();
}

TableReader::TableReader(std::FILE* in, std::optional<char> delimiter)
    : in_(in), delimiter_(delimiter) {}

bool TableReader::Fill() {
    buffer_.erase(0, start_);
    start_ = 0;
    const std::size_t held = buffer_.size();
    buffer_.resize(held + kReadBytes);
    const std::size_t read = std::fread(buffer_.data() + held, 1, kReadBytes, in_);
    buffer_.resize(held + read);
    if (read == 0) {
        end_ = true;
        if (std::ferror(in_)) {
            error_ = std::string("read error: ") + std::strerror(errno);
            return false;
        }
    }
    return true;
}

TableReader::Step TableReader::Parse(TableRows& rows) {
    const std::string_view data = std::string_view(buffer_).substr(start_);
    const std::array<char, 2> stops = {*delimiter_, '\n'};
    const std::string_view stopChars(stops.data(), stops.size());
    fields_.clear();
    decoded_.clear();
    // The end of the field that starts at `from`: the next delimiter or line feed, or the
    // end of the data when no more input comes.
    const auto fieldEnd = [&](std::size_t from) -> std::optional<std::size_t> {
        const std::size_t stop = data.find_first_of(stopChars, from);
        if (stop != std::string_view::npos)
            return stop;
        return end_ ? std::optional(data.size()) : std::nullopt;
    };
    std::size_t i = 0;
    for (;;) {
        Field field{i, 0, false};
        if (i < data.size() && data[i] == '"') {
            // Runs of text between doubled quotes; decoded from the first doubled one on.
            for (std::size_t from = i + 1;;) {
                const std::size_t quote = data.find('"', from);
                if (quote == std::string_view::npos || (quote + 1 == data.size() && !end_))
                    return quote == std::string_view::npos && end_ ? Step::kUnclosed : Step::kMore;
                const bool doubled = quote + 1 < data.size() && data[quote + 1] == '"';
                if (!field.decoded && doubled) {
                    field = {decoded_.size(), 0, true};
                    decoded_.append(data.substr(i + 1, quote + 1 - (i + 1)));
                } else if (field.decoded) {
                    decoded_.append(data.substr(from, quote + (doubled ? 1 : 0) - from));
                } else {
                    field.offset = i + 1;
                    field.size = quote - field.offset;
                }
                if (!doubled) {
                    i = quote + 1;
                    break;
                }
                from = quote + 2;
            }
            // What stands after the closing quote, kept as it is.
            const std::optional<std::size_t> stop = fieldEnd(i);
            if (!stop)
                return Step::kMore;
            if (*stop > i) {
                if (!field.decoded) {
                    const std::string_view quoted = data.substr(field.offset, field.size);
                    field = {decoded_.size(), 0, true};
                    decoded_.append(quoted);
                }
                decoded_.append(data.substr(i, *stop - i));
            }
            if (field.decoded)
                field.size = decoded_.size() - field.offset;
            i = *stop;
        } else {
            const std::optional<std::size_t> stop = fieldEnd(i);
            if (!stop)
                return Step::kMore;
            field.size = *stop - i;
            i = *stop;
        }
        fields_.push_back(field);
        if (i == data.size() || data[i] == '\n')
            break;
        ++i;  // the delimiter
    }

    // The record ends at a line feed, with the carriage return before it, or at the end.
    std::size_t size = i;
    std::size_t lineEnd = 0;
    if (i < data.size()) {
        lineEnd = 1;
        if (i > 0 && data[i - 1] == '\r') {
            lineEnd = 2;
            size = i - 1;
            Field& last = fields_.back();
            --last.size;
            if (last.decoded)
                decoded_.pop_back();
        }
    }
    if (size > kMaxRecordBytes)
        return Step::kTooLong;
    const auto base = rows.bytes_.size();
    rows.bytes_.append(data.substr(0, size));
    const auto decodedBase = rows.bytes_.size();
    rows.bytes_.append(decoded_);
    rows.rows_.push_back({{base, size}, rows.fields_.size(), fields_.size(), line_, lineEnd});
    for (const Field& field : fields_)
        rows.fields_.push_back({(field.decoded ? decodedBase : base) + field.offset, field.size});
    const std::string_view text = data.substr(0, i);
    line_ += static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) +
             (lineEnd != 0 ? 1U : 0U);
    start_ += i + (lineEnd != 0 ? 1 : 0);
    return Step::kRecord;
}

bool TableReader::Read(TableRows& rows) {
    if (!error_.empty())
        return false;
    if (!started_) {
        started_ = true;
        while (buffer_.size() < kByteOrderMark.size() && !end_) {
            if (!Fill())
                return false;
        }
        byteOrderMark_ = std::string_view(buffer_).starts_with(kByteOrderMark);
        if (byteOrderMark_)
            start_ = kByteOrderMark.size();
    }
    if (!delimiter_) {
        std::array<std::size_t, 3> counts{};
        while (!end_ && buffer_.size() - start_ <= kMaxRecordBytes &&
               !CountDelimiters(std::string_view(buffer_).substr(start_), counts)) {
            counts = {};
            if (!Fill())
                return false;
        }
        delimiter_ = DetectDelimiter(std::string_view(buffer_).substr(start_));
    }
    for (;;) {
        if (start_ == buffer_.size() && end_)
            return false;
        Step step = start_ == buffer_.size() ? Step::kMore : Parse(rows);
        if (step == Step::kMore && buffer_.size() - start_ > kMaxRecordBytes)
            step = Step::kTooLong;
        if (step == Step::kRecord)
            return true;
        if (step == Step::kUnclosed) {
            error_ = "line " + std::to_string(line_) +
                     ": a double quote opened in this record is never closed";
            return false;
        }
        if (step == Step::kTooLong) {
            error_ = "line " + std::to_string(line_) + ": a record longer than " +
                     std::to_string(kMaxRecordBytes >> 20) +
                     " MiB (is a double quote never closed?)";
            return false;
        }
        if (!Fill())
            return false;
    }
}

}  // namespace cli
